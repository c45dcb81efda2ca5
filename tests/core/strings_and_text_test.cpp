#include <gtest/gtest.h>

#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_codec.h"
#include "core/text_format.h"

namespace velmora {
namespace {

TEST(StringTable, EnglishTextsByIdAndTranslationsOverride) {
  StringTable& table = StringTable::instance();
  table.clearTranslations();
  EXPECT_EQ(tr(57651), "Client not found!");
  EXPECT_EQ(tr(57713), "Number of files exceeds to 150!\nInsert a new client to continue...");
  EXPECT_EQ(tr(198).front(), '"');  // this text really begins with a quote
  EXPECT_EQ(tr(1), "");
  table.setTranslations({{57651, "Cliente no encontrado!"}});
  EXPECT_EQ(tr(57651), "Cliente no encontrado!");
  EXPECT_EQ(tr(57650), "Type the Client\xC2\xB4s name you want to search!");  // untranslated ids stay English
  table.clearTranslations();
  EXPECT_EQ(tr(57651), "Client not found!");
}

// The names of ids whose texts read alike must point at the right entries.
TEST(StringTable, NamedIdsGiveTheirTexts) {
  EXPECT_EQ(StringTable::englishText(msg::ErrorSavingFile), "Error Saving File!");
  EXPECT_EQ(StringTable::englishText(msg::LabelFileNotSaved), "Error saving File!");
  EXPECT_EQ(StringTable::englishText(msg::TakeNotSaved), "Error saving File.");
  EXPECT_EQ(StringTable::englishText(msg::NoFreeMemory), "There is no free memory available!");
  EXPECT_EQ(StringTable::englishText(msg::RegisterNoMemory), "Error - There is no free memory available!");
  EXPECT_EQ(StringTable::englishText(msg::StopFailedReset), "Error stop recording - code: 001");
  EXPECT_EQ(StringTable::englishText(msg::StopFailedClose), "Error stop recording - code: 002");
  EXPECT_EQ(StringTable::englishText(msg::WavNotWritten),
            "The %s file can\xC2\xB4t be recorded!\nVerify if the file is opened!");
  EXPECT_EQ(StringTable::englishText(str::PathFileTitle), "File - %s");
  EXPECT_EQ(StringTable::englishText(str::FileNumberCaption), "File %d");
  EXPECT_EQ(StringTable::englishText(str::RecordingRow), "%02d/%02d/%04d File %d");
  EXPECT_EQ(StringTable::englishText(str::PrintedFileDate), " File %d - Date: %02d/%02d/%04d");
  EXPECT_EQ(StringTable::englishText(str::LineInLabel), "Entrada de Linha");
  EXPECT_EQ(StringTable::englishText(str::LineInOption), "Line In");
  EXPECT_EQ(StringTable::englishText(str::MicrophoneLabel), "Microfone");
  EXPECT_EQ(StringTable::englishText(str::MicCaption), "Mic");
}

TEST(TextFormat, FillsArgumentsLikePrintf) {
  EXPECT_EQ(formatv(tr(210), "pac001/wv001.wav"), "The pac001/wv001.wav file can\xC2\xB4t be recorded!\nVerify if the file is opened!");
  EXPECT_EQ(formatv(tr(171), 3, 4, 5, 2024), " File 3 - Date: 04/05/2024");
  EXPECT_EQ(formatv("%.1f MB", 12.345), "12.3 MB");
  EXPECT_EQ(formatv("%d%%", 50), "50%");
  EXPECT_EQ(formatv("%5d|%-3s|", 42, "a"), "   42|a  |");
}

TEST(TextFormat, MismatchedOrMissingArgumentsAreWrittenLiterally) {
  EXPECT_EQ(formatv("File %d", "text"), "File %d");
  EXPECT_EQ(formatv("%s and %s", "one"), "one and %s");
  EXPECT_EQ(formatv("trailing %"), "trailing %");
  EXPECT_EQ(formatv("%n"), "%n");
  // A huge width in a damaged catalog is cut to three digits.
  EXPECT_EQ(formatv("%99999d", 1).size(), 999u);
}

TEST(TextCodec, Utf8IsKeptAndWindows1252IsConverted) {
  EXPECT_EQ(decodeFileText("Jo\xC3\xA3o"), "Jo\xC3\xA3o");
  EXPECT_EQ(decodeFileText("Jo\xE3o"), "Jo\xC3\xA3o");
  EXPECT_EQ(decodeFileText("\x80"), "\xE2\x82\xAC");   // euro sign
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));              // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));          // surrogate
  EXPECT_FALSE(isValidUtf8("\xE3\x81"));              // cut short
}

TEST(TextCodec, FittingCutsOnlyAtCharacterBoundaries) {
  EXPECT_EQ(fitUtf8("abc", 5), "abc");
  EXPECT_EQ(fitUtf8("ab\xC3\xA3", 3), "ab");
  EXPECT_EQ(fitUtf8("ab\xC3\xA3", 4), "ab\xC3\xA3");
  EXPECT_EQ(fitUtf8("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC");
  EXPECT_EQ(fitUtf8("abc", 0), "");
}

}  // namespace
}  // namespace velmora
