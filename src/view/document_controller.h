#pragma once
// Opening and closing the view's recording document.
//  - A client's numbered recording (written by the program: no format checks); the title
//    shows "<client>  File - <number>".
//  - A file chosen by path ("Other Files"): the format checks and the stereo question; the
//    title shows "File - <name>" while it loads.
// Every open closes the previous recording first (playback stops: the player reads the
// samples in place). A refused or unreadable file leaves the view empty. Opening reads the
// recording's labels; closing stores them. Closing a changed recording first asks whether
// to save it, once, whatever operation drops it.
// A long file is read on a worker thread: the open returns at once with the view empty and
// the busy cursor over the panes, and the recording appears when it is read. Anything that
// closes or opens meanwhile abandons that read.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "audio/wav_reader.h"
#include "core/interaction.h"
#include "document/recording_document.h"
#include "document/save_changes.h"
#include "view/background_task.h"
#include "view/label_files.h"
#include "view/view_display.h"
#include "view/view_host.h"

namespace velmora {

class DocumentController {
 public:
  DocumentController(RecordingDocument& document, ViewDisplay& display, ViewHost& host, Interaction& ui);

  RecordingDocument& document() { return document_; }
  const RecordingDocument& document() const { return document_; }

  // Run before the samples go away (stops playback).
  void setBeforeClose(std::function<void()> beforeClose) { beforeClose_ = std::move(beforeClose); }
  // The open client's code, stored with each opened recording.
  void setClientCode(std::function<int()> clientCode) { clientCode_ = std::move(clientCode); }
  // Where a save writes: the open client and the working folder.
  void setSaveClient(std::function<SaveClient()> client) { saveClient_ = std::move(client); }

  // False when the file is refused at once; a file read in the background says true, and a
  // refusal after its read shows as an empty view.
  bool openByPath(const std::filesystem::path& path);
  bool openNumbered(const std::filesystem::path& path, int number, const std::string& clientName);
  void close();
  bool isReading() const { return reading_.running(); }
  // The client's recording being read, or kNoRecordingNumber.
  int readingNumber() const { return reading_.running() ? readingNumber_ : kNoRecordingNumber; }
  // Abandons a read on its way (the view going away).
  void stopReading();
  // Files from this size on are read in the background.
  void setBackgroundReadBytes(uintmax_t bytes) { backgroundReadBytes_ = bytes; }
  // Files > Save Changes: the save question and the writing; a new file shows its title.
  SaveResult saveChanges();
  LabelFiles& labelFiles() { return labelFiles_; }

 private:
  void finishOpening(SoundBuffer&& loaded);
  bool readsInBackground(const std::filesystem::path& path) const;
  // Reads the file, here or on the worker thread by its size, and hands it to `accept`; the
  // result is accept's, or true for a read still on its way.
  bool readThen(const std::filesystem::path& path, int number, std::function<bool(WavData)> accept);

  RecordingDocument& document_;
  ViewDisplay& display_;
  ViewHost& host_;
  Interaction& ui_;
  std::function<void()> beforeClose_;
  std::function<int()> clientCode_;
  std::function<SaveClient()> saveClient_;
  std::string clientName_;
  LabelFiles labelFiles_;
  // About 3 minutes at 44.1 kHz: a shorter file reads in a few milliseconds.
  uintmax_t backgroundReadBytes_ = uintmax_t{16} << 20;
  BackgroundTask<WavData> reading_;
  int readingNumber_ = kNoRecordingNumber;
};

}  // namespace velmora
