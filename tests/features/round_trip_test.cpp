// Opening every page of the DTMF and 2-Tone dialogs on an image and closing
// them unchanged leaves every byte as it was, except the values that the
// load and store rules normalise. Those are listed in the tables below,
// each with the rule that predicts its bytes; the 2-Tone radio copies are
// predicted with the double-precision arithmetic the radio form is defined
// by, independently of the integer arithmetic of the codec.
#include <gtest/gtest.h>

#include <QTabWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include "features/dtmf_dlg.h"
#include "features/two_tone_dlg.h"
#include "features/two_tone_pages.h"
#include "image/bytes.h"

namespace radio {
namespace {

using Rule = std::function<void(const RadioImage& before, RadioImage& expected)>;
struct Normalised {
  const char* what;
  Rule apply;
};

int Clamp(int v, int lo, int hi) {
  return std::min(std::max(v, lo), hi);
}

// Text fields end at their first 0xFF or 0x00; the store pads with 0xFF.
void TextField(RadioImage& e, std::size_t offset, std::size_t length) {
  bool ended = false;
  for (std::size_t i = offset; i < offset + length; ++i) {
    ended = ended || e[i] == 0xFF || e[i] == 0x00;
    if (ended) e[i] = 0xFF;
  }
}

int DigitTimeUnits(std::uint8_t byte) {
  const int v = byte & 0x1F;
  return v < 2 ? 0 : v < 10 ? 2 : v < 20 ? 10 : 20;
}

const std::vector<Normalised>& DtmfTable() {
  static const std::vector<Normalised> table = {
      {"first digit delay: low 5 bits, at most 20 (1000 ms)",
       [](const RadioImage& b, RadioImage& e) {
         e[0x1309] = static_cast<std::uint8_t>(std::min(b[0x1309] & 0x1F, 20));
       }},
      {"first digit and */# digit times: low 5 bits snapped to 0, 2, 10, 20",
       [](const RadioImage& b, RadioImage& e) {
         e[0x130A] = static_cast<std::uint8_t>(DigitTimeUnits(b[0x130A]));
         e[0x130B] = static_cast<std::uint8_t>(DigitTimeUnits(b[0x130B]));
       }},
      {"ID code and stun code: 0xFF after the end of the text",
       [](const RadioImage&, RadioImage& e) {
         TextField(e, 0x1320, 10);
         TextField(e, 0x1338, 10);
       }},
      {"fast-call numbers: 0xFF after the end of the text, bytes 0-15 only",
       [](const RadioImage&, RadioImage& e) {
         for (std::size_t n = 0; n < 9; ++n) TextField(e, 0x1380 + 24 * n, 16);
       }},
  };
  return table;
}

int U16(const RadioImage& image, std::size_t offset) {
  return GetU16BE(image.data() + offset);
}
void SetU16(RadioImage& image, std::size_t offset, int v) {
  SetU16BE(image.data() + offset, v);
}

// The radio forms as defined: double precision, in the order written.
int EncodePeriodDouble(int tenths) {
  return static_cast<int>(std::floor(111957.0 / (tenths / 10.0) + 0.5));
}
int DecodePeriodDouble(int tenths) {
  const double q = 895658.0 / (tenths / 10.0);
  const double whole = std::trunc(q);
  return static_cast<int>(whole) + (q - whole >= 0.5 ? 1 : 0);
}
std::uint8_t Byte(int v) {
  return static_cast<std::uint8_t>(v);
}

const std::vector<Normalised>& TwoToneTable() {
  static const std::vector<Normalised> table = {
      {"encode timing, display: delays clamped to 5-100, interval shown in tenths "
       "(count / 20 as printf \"%.1f\" rounds it) and clamped to 0-2.0 s, Tx rise 2-20, "
       "short beep 0/1",
       [](const RadioImage& b, RadioImage& e) {
         for (std::size_t i = 0; i < 3; ++i) e[0x1620 + i] = Byte(Clamp(b[0x1620 + i], 5, 100));
         char shown[32];
         std::snprintf(shown, sizeof shown, "%.1f", U16(b, 0x1623) / 20.0);
         const int tenths = static_cast<int>(std::lround(std::atof(shown) * 10));
         SetU16(e, 0x1623, Clamp(tenths, 0, 20) * 2);
         SetU16(e, 0x1625, Clamp(U16(b, 0x1625), 2, 20));
         e[0x1627] = b[0x1627] != 0 ? 1 : 0;
       }},
      {"encode timing, radio: delays x 2, interval and Tx rise as displayed",
       [](const RadioImage&, RadioImage& e) {
         for (std::size_t i = 0; i < 3; ++i) e[0x17A0 + i] = Byte(e[0x1620 + i] * 2);
         SetU16(e, 0x17A3, U16(e, 0x1623));
         SetU16(e, 0x17A5, U16(e, 0x1625));
       }},
      {"encode codes: FF FF stays empty (radio 00 00), other tones clamped to "
       "288.5-3106.0 Hz, radio floor(111957 / f + 0.5)",
       [](const RadioImage& b, RadioImage& e) {
         for (std::size_t k = 0; k < 32; ++k)
           for (std::size_t t = 0; t < 2; ++t) {
             const std::size_t d = 0x1500 + 24 * (k / 4) + 4 * (k % 4) + 2 * t;
             const std::size_t r = d + 0x180;
             if (b[d] == 0xFF && b[d + 1] == 0xFF) {
               SetU16(e, r, 0);
               continue;
             }
             const int tone = Clamp(U16(b, d), 2885, 31060);
             SetU16(e, d, tone);
             SetU16(e, r, EncodePeriodDouble(tone));
           }
       }},
      {"decode slots: tones clamped to 288.5-3106.0 Hz, radio 895658 / f half up; "
       "delays clamped to 5-100 and interval to 0-20, radio x 2",
       [](const RadioImage& b, RadioImage& e) {
         for (std::size_t n = 0; n < 8; ++n) {
           const std::size_t d = 0x15C0 + 24 * (n / 2) + 8 * (n % 2);
           const std::size_t r = d + 0x180;
           for (std::size_t t = 0; t < 4; t += 2) {
             const int tone = Clamp(U16(b, d + t), 2885, 31060);
             SetU16(e, d + t, tone);
             SetU16(e, r + t, DecodePeriodDouble(tone));
           }
           for (std::size_t i = 4; i < 8; ++i) {
             e[d + i] = Byte(i == 6 ? Clamp(b[d + i], 0, 20) : Clamp(b[d + i], 5, 100));
             e[r + i] = Byte(e[d + i] * 2);
           }
         }
       }},
  };
  return table;
}

RadioImage Expected(const RadioImage& before, const std::vector<Normalised>& table) {
  RadioImage e = before;
  for (const Normalised& n : table) n.apply(before, e);
  return e;
}

// Random images: half of them all noise, half with every 2-Tone value in
// range (so that nothing but the radio copies changes there).
RadioImage RandomImage(std::mt19937& rng, bool inRange) {
  RadioImage image;
  std::uniform_int_distribution<int> byte(0, 255);
  for (auto& b : image) b = static_cast<std::uint8_t>(byte(rng));
  if (!inRange) return image;
  std::uniform_int_distribution<int> tone(2885, 31060), delay(5, 100), interval(0, 20),
      txRise(2, 20), coin(0, 7);
  for (std::size_t k = 0; k < 32; ++k)
    for (std::size_t t = 0; t < 2; ++t)
      SetU16(image, 0x1500 + 24 * (k / 4) + 4 * (k % 4) + 2 * t,
             coin(rng) == 0 ? 0xFFFF : tone(rng));
  for (std::size_t n = 0; n < 8; ++n) {
    const std::size_t d = 0x15C0 + 24 * (n / 2) + 8 * (n % 2);
    SetU16(image, d, tone(rng));
    SetU16(image, d + 2, tone(rng));
    for (std::size_t i = 4; i < 8; ++i) image[d + i] = Byte(i == 6 ? interval(rng) : delay(rng));
  }
  for (std::size_t i = 0; i < 3; ++i) image[0x1620 + i] = Byte(delay(rng));
  SetU16(image, 0x1623, interval(rng) * 2);
  SetU16(image, 0x1625, txRise(rng));
  image[0x1627] = Byte(coin(rng) & 1);
  return image;
}

void ExpectSame(const RadioImage& actual, const RadioImage& expected, int round) {
  for (std::size_t i = 0; i < kImageSize; ++i)
    ASSERT_EQ(actual[i], expected[i]) << "image " << round << ", offset 0x" << std::hex << i;
}

TEST(RoundTrip, DtmfPagesOpenedAndClosedUnchanged) {
  std::mt19937 rng(20261207);
  CDtmfDlg dlg(nullptr);
  for (int round = 0; round < 60; ++round) {
    const RadioImage before = RandomImage(rng, round % 2 == 1);
    RadioImage image = before;
    dlg.Open(image);
    dlg.show();
    dlg.Tabs()->setCurrentIndex(1);
    dlg.Tabs()->setCurrentIndex(2);
    dlg.Tabs()->setCurrentIndex(0);
    dlg.Tabs()->setCurrentIndex(2);
    dlg.close();
    ExpectSame(image, Expected(before, DtmfTable()), round);
  }
}

TEST(RoundTrip, TwoTonePagesOpenedAndClosedUnchanged) {
  std::mt19937 rng(7);
  CTwoToneDlg dlg(nullptr);
  for (int round = 0; round < 60; ++round) {
    const RadioImage before = RandomImage(rng, round % 2 == 1);
    RadioImage image = before;
    dlg.Open(image);
    dlg.show();
    dlg.Tabs()->setCurrentIndex(1);
    for (int slot = 1; slot < 8; ++slot) dlg.DecodeSheet()->Tabs()->setCurrentIndex(slot);
    dlg.DecodeSheet()->Tabs()->setCurrentIndex(3);
    dlg.Tabs()->setCurrentIndex(0);
    dlg.close();
    ExpectSame(image, Expected(before, TwoToneTable()), round);
  }
}

// A second open and close changes nothing more: the normalised values are
// fixed points of the rules.
TEST(RoundTrip, NormalisedImagesStayPut) {
  std::mt19937 rng(99);
  CDtmfDlg dtmf(nullptr);
  CTwoToneDlg twoTone(nullptr);
  for (int round = 0; round < 10; ++round) {
    RadioImage image = RandomImage(rng, false);
    for (int pass = 0; pass < 2; ++pass) {
      const RadioImage before = image;
      dtmf.Open(image);
      dtmf.show();
      dtmf.Tabs()->setCurrentIndex(1);
      dtmf.Tabs()->setCurrentIndex(2);
      dtmf.close();
      twoTone.Open(image);
      twoTone.show();
      for (int slot = 1; slot < 8; ++slot) twoTone.DecodeSheet()->Tabs()->setCurrentIndex(slot);
      twoTone.close();
      if (pass == 1) ExpectSame(image, before, round);
    }
  }
}

}  // namespace
}  // namespace radio
