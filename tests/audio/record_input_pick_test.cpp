// Which server input a take records from for Microphone and Line, on the inputs Linux
// desktops show: a card's source with mic and line jacks as ports, a USB microphone that
// says nothing of its kind, a line jack with nothing plugged in.
#include <gtest/gtest.h>

#include "audio/record_input_pick.h"

namespace velmora {
namespace {

constexpr const char* kCard = "alsa_input.pci-0000_00_1f.3.analog-stereo";
constexpr const char* kUsb = "alsa_input.usb-Blue_Yeti-00.analog-stereo";

SoundSourceInfo card(const std::string& active, bool lineUnplugged = false) {
  return {kCard,
          "Built-in Audio Analog Stereo",
          {{"analog-input-internal-mic", "Internal Microphone", false},
           {"analog-input-mic", "Microphone", false},
           {"analog-input-linein", "Line In", lineUnplugged}},
          active};
}

SoundSourceInfo usbMicrophone() { return {kUsb, "Yeti Stereo Microphone Analog Stereo", {}, {}}; }

bool same(const std::optional<RecordInputPick>& p, const std::string& source, const std::string& port) {
  return p && p->source == source && p->port == port;
}

TEST(RecordInputPick, TheCardsJacksAreChosenAsPortsOfTheDefaultSource) {
  const std::vector<SoundSourceInfo> sources = {card("analog-input-internal-mic"), usbMicrophone()};
  // Already a microphone: nothing to switch.
  EXPECT_TRUE(same(pickRecordInput(sources, kCard, 0), kCard, ""));
  EXPECT_TRUE(same(pickRecordInput(sources, kCard, 1), kCard, "analog-input-linein"));
  // Back from the line jack to a microphone jack (the first available one).
  EXPECT_TRUE(same(pickRecordInput({card("analog-input-linein")}, kCard, 0), kCard, "analog-input-internal-mic"));
  EXPECT_FALSE(pickRecordInput(sources, kCard, 2));
}

TEST(RecordInputPick, AnotherSourceServesWhenTheDefaultHasNoSuchInput) {
  // The USB microphone is the default; Line is the card's jack.
  const std::vector<SoundSourceInfo> sources = {usbMicrophone(), card("analog-input-mic")};
  EXPECT_TRUE(same(pickRecordInput(sources, kUsb, 0), kUsb, ""));
  EXPECT_TRUE(same(pickRecordInput(sources, kUsb, 1), kCard, "analog-input-linein"));
  // Nothing plugged into the line jack: there is no line input to record from.
  EXPECT_FALSE(pickRecordInput({usbMicrophone(), card("analog-input-mic", true)}, kUsb, 1));
  // A default that says nothing of its kind still serves as the microphone.
  const SoundSourceInfo plain{"velsrc", "Virtual input", {}, {}};
  EXPECT_TRUE(same(pickRecordInput({plain}, "velsrc", 0), "velsrc", ""));
  EXPECT_FALSE(pickRecordInput({plain}, "velsrc", 1));
}

}  // namespace
}  // namespace velmora
