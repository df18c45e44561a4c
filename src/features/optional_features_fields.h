// Radio-wide feature settings of the Optional Features dialog: back light,
// scan, squelch, time-out timer, VOX, keys, priority channel, the radio's
// power-on password and the MSK type. This is the one place that knows
// their bytes and bits; the dialog only moves list positions and texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

// The dialog's values: each list's selected position (-1 = nothing
// selected), the password text and the two check boxes.
struct OptionalFeatures {
  int backLight = 0;        // Off, Auto, On
  int backLightColor = 0;   // Light 1-3
  int powerOnStyle = 0;     // Off, Voltage, Message
  int keyLock = 0;          // Auto, Manual
  int priorityChannel = 0;  // None, 1-128
  int voxGain = 0;          // Off, 1-9
  int displayMode = 0;      // CHANNEL, NAME, FREQ.CH, FREQ
  int batterySaver = 0;     // On, Off
  int beep = 0;             // On, Off
  int tail = 0;             // Off, On
  int scanMode = 0;         // TO, CO, SE
  int squelchLevel = 0;     // 0-9
  int step = 0;             // 5, 6.25, 10, 12.5, 25 kHz
  int tot = 0;              // Off, 30-270 s
  int totPreAlert = 0;      // Off, 1-9 s
  std::string password;     // up to 6 digits
  int stopwatch = 0;        // On, Off
  int orangeKey = 0;        // Send 1750 signal, Emergency Call, Off
  int strSet = 0;           // Auto, Manual
  int allowReset = 0;       // Enable, Disable
  int mskType = 0;          // MSK-I, MSK-II
  bool keypadLock = false;
  bool repeaterMskInvert = false;

  bool operator==(const OptionalFeatures&) const = default;
};

// The item texts of every list, in list order; the positions are the
// stored codes, so both languages have the same number of items.
struct OptionalFeatureItems {
  std::vector<std::string> backLight, backLightColor, powerOnStyle, keyLock, priorityChannel,
      voxGain, displayMode, batterySaver, beep, tail, scanMode, squelchLevel, step, tot,
      totPreAlert, stopwatch, orangeKey, strSet, allowReset, mskType;
};
const OptionalFeatureItems& OptionalFeatureLists(Language lang);

// Image -> values. Codes beyond a list map to its fall-back item, so every
// image gives a valid position for every list.
OptionalFeatures LoadOptionalFeatures(const RadioImage& image);

// Values -> image, in the dialog's OK order; each step rewrites only the
// bits it owns. A position no rule names stores the rule's "other" value.
void StoreOptionalFeatures(const OptionalFeatures& values, RadioImage& image);

// The leading decimal digits of `text`, at most six: what the radio's
// keypad can enter, and what is stored.
std::string PowerOnPasswordText(std::string_view text);
std::string ReadPowerOnPassword(const RadioImage& image);
void WritePowerOnPassword(RadioImage& image, std::string_view text);

}  // namespace radio
