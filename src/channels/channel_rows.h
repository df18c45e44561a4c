// Whole-channel operations on the channel table of an image: insert,
// delete, move, clear, sort and paste of channels 1-128. Channels travel
// as their 24-byte records, so everything a channel holds (its optional
// signal bytes included) goes with it. The FR record never moves.
// Channels are given as record indices 0-127 (channel number - 1).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/channel_codec.h"
#include "image/radio_image.h"

namespace radio {

constexpr int kChannelCount = 128;  // records 0-127; record 128 is FR
using ChannelRecord = std::array<std::uint8_t, kChannelRecordSize>;

// A channel as a new image holds it: every byte 0xFF.
ChannelRecord EmptyChannelRecord();
ChannelRecord ReadChannelRecord(const RadioImage& image, int index);
void WriteChannelRecord(RadioImage& image, int index, const ChannelRecord& record);

// The selection cleaned up: indices 0-127 only, ascending, each once.
std::vector<int> NormaliseChannelSelection(std::vector<int> indices);

// Inserts `count` empty channels at `at`; the channels from `at` on move
// down. False, and nothing changes, when a place that would be pushed
// past 128 is in use (holds a receive or a transmit frequency).
bool InsertEmptyChannels(RadioImage& image, int at, int count);
// Removes the selected channels; the following ones move up and the last
// places become empty.
void DeleteChannels(RadioImage& image, const std::vector<int>& indices);
// Empties the selected channels.
void ClearChannels(RadioImage& image, const std::vector<int>& indices);
// Moves each selected channel one place up (delta -1) or down (+1), over
// its unselected neighbour. False, and nothing changes, at the edge.
bool MoveChannels(RadioImage& image, const std::vector<int>& indices, int delta);

enum class ChannelSortKey { kReceiveFrequency, kName };
// Reorders the selected channels among their own places; equal keys keep
// their order and places without a frequency go last.
void SortChannels(RadioImage& image, const std::vector<int>& indices, ChannelSortKey key);

// Writes `records` into the channels `targets` (same length).
void PasteChannels(RadioImage& image, const std::vector<int>& targets,
                   const std::vector<ChannelRecord>& records);
// Where a paste of `count` channels into `selection` goes: the selection
// itself when the sizes agree, else `count` places from its first channel
// on, cut at channel 128.
std::vector<int> PasteTargets(const std::vector<int>& selection, int count);

// The selected records packed one after the other, and back; an unpack of
// bytes that are not whole records gives nothing.
std::string PackChannelRecords(const RadioImage& image, const std::vector<int>& indices);
std::vector<ChannelRecord> UnpackChannelRecords(std::string_view bytes);

// Tab-separated texts as the grid shows them, one line per channel (nine
// columns in grid order), for spreadsheets. Tabs and line breaks inside a
// text become spaces.
std::string ChannelRowsToTabText(const std::vector<ChannelRow>& rows);
// Lines of tab-separated texts back to rows; short lines are padded with
// empty texts, extra columns dropped. Empty trailing lines are ignored.
std::vector<ChannelRow> TabTextToChannelRows(std::string_view text);

}  // namespace radio
