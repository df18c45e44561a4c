// The squelch tuning transactions: a short exchange of their own that reads
// or writes only the radio's four squelch bytes (radio 0x0FF6-0x0FF9, image
// 0x17EE-0x17F1), which the clone run never writes. Each opens, configures
// and closes the port itself and wakes and identifies the radio like the
// clone run, without pumping or status text.
#pragma once

#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/clone_engine.h"
#include "link/squelch_fields.h"

namespace radio {

// The outcomes are those of a clone run: Ok, PortError, CommunicationCancelled
// (Cancel in the communication-error question) and Interrupted.
//
// Read: on success the four bytes are in `image` and "Read Successfully"
// has been shown. A missing or short answer shows the interrupt message and leaves `image`
// as it was.
CloneOutcome RunSquelchRead(SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image,
                            const std::string& portName, Language lang);

// Write: once the radio is identified, `selections` are stored into `image`
// (so the image holds them whatever the radio answers) and the four bytes
// are sent. Success shows "Write Successfully", any answer but 06 shows the
// interrupt message.
CloneOutcome RunSquelchWrite(SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image,
                             const SquelchSelections& selections, const std::string& portName,
                             Language lang);

}  // namespace radio
