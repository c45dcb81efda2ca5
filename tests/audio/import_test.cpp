// "Import...": what lands in the client's folder, what is asked and shown, and what is left
// alone when anything goes wrong.
#include "audio/import_pipeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "audio/wav_reader.h"
#include "audio/wav_writer.h"
#include "clients/date_file.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedInteraction;
using testing::TempFolder;

constexpr int kClient = 1;

std::vector<int16_t> tone(size_t count, uint16_t channels) {
  std::vector<int16_t> x(count * channels);
  for (size_t i = 0; i < x.size(); ++i)
    x[i] = static_cast<int16_t>(12000.0 * std::sin(0.05 * static_cast<double>(i)) + (i % 2 ? -3 : 5));
  return x;
}

std::string wavBytes(uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples, uint16_t bits = 16) {
  return wavFileBytes(WaveFormat::pcm(rate, bits, channels), samples.data(), samples.size() * sizeof(int16_t));
}

// A PCM file with an 16-byte "fmt " chunk and a "LIST" chunk before the data, as other
// programs write them: a rewrite by us would look different, a copy does not.
std::string foreignWavBytes(uint32_t rate, const std::vector<int16_t>& samples) {
  std::string out = wavBytes(rate, 1, samples);
  std::string fmt16 = out.substr(12, 8 + 16);
  fmt16[4] = 16;
  const std::string list = std::string("LIST") + std::string("\x06\0\0\0", 4) + "INFOab";
  const std::string data = out.substr(12 + 8 + 18);
  std::string body = "WAVE" + fmt16 + list + data;
  const uint32_t size = static_cast<uint32_t>(body.size());
  std::string riff = "RIFF";
  for (int i = 0; i < 4; ++i) riff += static_cast<char>((size >> (8 * i)) & 0xFF);
  return riff + body;
}

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(work.path() / "pac001"); }

  ImportRequest request(const std::string& sourceName) {
    ImportRequest r;
    r.sourcePath = sources / sourceName;
    r.workingFolder = work.path();
    r.clientCode = kClient;
    r.askConversion = [this](const ConversionOffer& offer) -> std::optional<ConversionChoice> {
      offers.push_back(offer);
      if (!answer) return std::nullopt;
      return *answer;
    };
    return r;
  }
  fs::path clientFile(const std::string& name) const { return work.path() / "pac001" / name; }
  size_t clientFileCount() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(work.path() / "pac001")) ++n;
    return n;
  }

  TempFolder work;
  TempFolder sources;
  ScriptedInteraction ui;
  std::vector<ConversionOffer> offers;
  std::optional<ConversionChoice> answer;
};

TEST_F(ImportTest, MonoAtARecordingRateIsCopiedByteForByteWithoutAQuestion) {
  const std::string bytes = foreignWavBytes(22050, tone(3000, 1));
  sources.writeBytes("voice.wav", bytes);
  const ImportResult r = importRecording(request("voice.wav"), ui);
  ASSERT_EQ(r.status, ImportStatus::Imported);
  EXPECT_EQ(r.recordingNumber, 1);
  EXPECT_EQ(r.relativePath, fs::path("pac001") / "wv001.wav");
  EXPECT_EQ(work.readBytes("pac001/wv001.wav"), bytes);
  EXPECT_TRUE(offers.empty());
  EXPECT_TRUE(r.dateWritten);
  EXPECT_TRUE(readDateFile(clientFile("wv001.ddt")).has_value());  // the import's own date
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57734});
}

TEST_F(ImportTest, FortyFourKilohertzTakesTheQvPrefixAndTheNextNumber) {
  work.writeBytes("pac001/wv001.wav", wavBytes(11025, 1, tone(10, 1)));
  work.writeBytes("pac001/qv002.bkp", "");
  sources.writeBytes("voice.wav", wavBytes(44100, 1, tone(4410, 1)));
  const ImportResult r = importRecording(request("voice.wav"), ui);
  ASSERT_EQ(r.status, ImportStatus::Imported);
  EXPECT_EQ(r.recordingNumber, 3);
  EXPECT_EQ(r.wavPath, clientFile("qv003.wav"));
  EXPECT_TRUE(fs::exists(clientFile("qv003.wav")));
}

TEST_F(ImportTest, OnlySixteenBitFilesAreTaken) {
  const std::vector<int16_t> bytes(2000, 0x1234);
  sources.writeBytes("eight.wav", wavFileBytes(WaveFormat::pcm(22050, 8), bytes.data(), 4000));
  sources.writeBytes("twentyfour.wav", wavFileBytes(WaveFormat::pcm(48000, 24), bytes.data(), 3999));
  for (const char* name : {"eight.wav", "twentyfour.wav"}) {
    ScriptedInteraction fresh;
    EXPECT_EQ(importRecording(request(name), fresh).status, ImportStatus::Failed) << name;
    EXPECT_EQ(fresh.shownIds(), std::vector<int>{57736}) << name;
  }
  EXPECT_TRUE(offers.empty());
  EXPECT_EQ(clientFileCount(), 0u);
}

TEST_F(ImportTest, UnreadableOrEmptySourcesCannotBeOpened) {
  sources.writeBytes("garbage.wav", "this is not a wave file at all");
  sources.writeBytes("empty.wav", wavBytes(22050, 1, {}));
  sources.writeBytes("quad.wav", wavBytes(22050, 4, tone(100, 4)));
  // Refused on the header, before the converter is offered a rate it could not honestly use.
  sources.writeBytes("two-hertz.wav", wavBytes(2, 1, tone(100, 1)));
  sources.writeBytes("huge-rate.wav", wavBytes(0x80000000u, 1, tone(100, 1)));
  WaveFormat alaw = WaveFormat::pcm(22050);
  alaw.formatTag = 6;
  const std::vector<int16_t> samples = tone(100, 1);
  sources.writeBytes("alaw.wav", wavFileBytes(alaw, samples.data(), samples.size() * 2));
  for (const char* name :
       {"garbage.wav", "empty.wav", "quad.wav", "missing.wav", "two-hertz.wav", "huge-rate.wav", "alaw.wav"}) {
    ScriptedInteraction fresh;
    EXPECT_EQ(importRecording(request(name), fresh).status, ImportStatus::Failed) << name;
    EXPECT_EQ(fresh.shownIds(), std::vector<int>{57733}) << name;
  }
  EXPECT_TRUE(offers.empty());
  EXPECT_EQ(clientFileCount(), 0u);
}

TEST_F(ImportTest, StereoAtFortyFourKilohertzIsReducedWithoutResampling) {
  const std::vector<int16_t> stereo = tone(5000, 2);
  sources.writeBytes("duet.wav", wavBytes(44100, 2, stereo));
  answer = ConversionChoice{2, StereoChoice::Mix};
  const ImportResult r = importRecording(request("duet.wav"), ui);
  ASSERT_EQ(r.status, ImportStatus::Imported);

  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].sourceName, "duet.wav");
  EXPECT_EQ(offers[0].sourceRateHz, 44100u);
  EXPECT_EQ(offers[0].sourceChannels, 2);
  const ConversionChoice preset = defaultConversionChoice(offers[0]);
  EXPECT_EQ(preset.rateIndex, 2);
  EXPECT_EQ(preset.channel, StereoChoice::Mix);

  const WavData written = readWav(clientFile("qv001.wav"));
  ASSERT_EQ(written.code, WavOk);
  EXPECT_EQ(written.format, WaveFormat::pcm(44100));
  ASSERT_EQ(written.samples.size(), 5000u);
  for (size_t i = 0; i < 5000; ++i) ASSERT_EQ(written.samples[i], (stereo[2 * i] + stereo[2 * i + 1]) / 2) << i;
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57734});
}

TEST_F(ImportTest, OtherRatesAreConvertedToTheChosenRate) {
  sources.writeBytes("phone.wav", wavBytes(8000, 1, tone(8000, 1)));
  answer = ConversionChoice{0, std::nullopt};
  std::vector<int> steps;
  ImportRequest req = request("phone.wav");
  req.progress = [&](int step) {
    steps.push_back(step);
    return true;
  };
  const ImportResult r = importRecording(req, ui);
  ASSERT_EQ(r.status, ImportStatus::Imported);
  EXPECT_EQ(defaultConversionChoice(offers.at(0)).rateIndex, 0);
  EXPECT_FALSE(defaultConversionChoice(offers.at(0)).channel.has_value());
  const WavData written = readWav(clientFile("wv001.wav"));
  ASSERT_EQ(written.code, WavOk);
  EXPECT_EQ(written.format, WaveFormat::pcm(11025));
  EXPECT_EQ(written.samples.size(), 8000u * 441 / 320);
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.back(), kProgressSteps);
}

TEST_F(ImportTest, StereoRightChannelConvertedTo22050) {
  sources.writeBytes("studio.wav", wavBytes(48000, 2, tone(4800, 2)));
  answer = ConversionChoice{1, StereoChoice::Right};
  const ImportResult r = importRecording(request("studio.wav"), ui);
  ASSERT_EQ(r.status, ImportStatus::Imported);
  EXPECT_EQ(r.sampleRateHz, 22050u);
  EXPECT_EQ(defaultConversionChoice(offers.at(0)).rateIndex, 0);  // 48000 is none of the three
  const WavData written = readWav(clientFile("wv001.wav"));
  EXPECT_EQ(written.samples.size(), 4800u * 147 / 320);
}

TEST_F(ImportTest, DecliningTheConversionOrCancellingItWritesNothing) {
  sources.writeBytes("phone.wav", wavBytes(8000, 1, tone(40000, 1)));
  answer.reset();
  EXPECT_EQ(importRecording(request("phone.wav"), ui).status, ImportStatus::Cancelled);

  answer = ConversionChoice{2, std::nullopt};
  ImportRequest req = request("phone.wav");
  req.progress = [](int step) { return step < 50; };
  EXPECT_EQ(importRecording(req, ui).status, ImportStatus::Cancelled);

  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(clientFileCount(), 0u);
}

TEST_F(ImportTest, LimitCyclesFailTheImportAndTheProgramGoesOn) {
  sources.writeBytes("odd.wav", wavBytes(19000, 1, tone(19000, 1)));
  answer = ConversionChoice{1, std::nullopt};
  ImportRequest req = request("odd.wav");
  req.filterDesign.passbandEdgeFraction = 0.998;  // too sharp: poles on the unit circle
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(importRecording(req, ui).status, ImportStatus::Failed);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Filter will suffer from limit cycles...\n");
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57737});
  EXPECT_EQ(clientFileCount(), 0u);

  // Still running: the same file imports with the usual filters.
  ScriptedInteraction again;
  EXPECT_EQ(importRecording(request("odd.wav"), again).status, ImportStatus::Imported);
  EXPECT_TRUE(fs::exists(clientFile("wv001.wav")));
}

TEST_F(ImportTest, ARatioWithoutSimpleFactorsFailsWithItsTextAnd57737) {
  sources.writeBytes("dat.wav", wavBytes(32000, 1, tone(3200, 1)));
  answer = ConversionChoice{0, std::nullopt};
  EXPECT_EQ(importRecording(request("dat.wav"), ui).status, ImportStatus::Failed);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "No simple factors for ratio");
  EXPECT_EQ(ui.shown[1].id, 57737);
  EXPECT_EQ(clientFileCount(), 0u);
}

TEST_F(ImportTest, AFullClientTakesNoImport) {
  // Numbers 10, 20, ... 150: no gap long enough to end the scan before 150.
  for (int n = 10; n <= 150; n += 10) work.writeBytes("pac001/wv" + std::to_string(n + 1000).substr(1) + ".wav", "");
  sources.writeBytes("voice.wav", wavBytes(22050, 1, tone(100, 1)));
  EXPECT_EQ(importRecording(request("voice.wav"), ui).status, ImportStatus::Failed);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57713});
  EXPECT_EQ(clientFileCount(), 15u);
}

TEST_F(ImportTest, AMissingClientFolderFailsWith57737) {
  sources.writeBytes("voice.wav", wavBytes(22050, 1, tone(100, 1)));
  ImportRequest req = request("voice.wav");
  req.clientCode = 2;  // no pac002 folder
  EXPECT_EQ(importRecording(req, ui).status, ImportStatus::Failed);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57737});
}

TEST(ImportSource, AsksForASoundFile) {
  ScriptedInteraction ui;
  ui.fileAnswers.push_back(fs::path("/somewhere/take.wav"));
  EXPECT_EQ(chooseImportSource(ui, "/start"), fs::path("/somewhere/take.wav"));
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(ui.fileRequests[0].filter, "Sound File (*.wav)|*.wav|");
  EXPECT_EQ(ui.fileRequests[0].defaultExtension, "wav");
  EXPECT_FALSE(chooseImportSource(ui, "/start"));  // Cancel
}

}  // namespace
}  // namespace velmora
