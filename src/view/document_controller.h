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
#include <filesystem>
#include <functional>
#include <string>

#include "core/interaction.h"
#include "document/recording_document.h"
#include "document/save_changes.h"
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

  bool openByPath(const std::filesystem::path& path);
  bool openNumbered(const std::filesystem::path& path, int number, const std::string& clientName);
  void close();
  // Files > Save Changes: the save question and the writing; a new file shows its title.
  SaveResult saveChanges();
  LabelFiles& labelFiles() { return labelFiles_; }

 private:
  void finishOpening(SoundBuffer&& loaded);

  RecordingDocument& document_;
  ViewDisplay& display_;
  ViewHost& host_;
  Interaction& ui_;
  std::function<void()> beforeClose_;
  std::function<int()> clientCode_;
  std::function<SaveClient()> saveClient_;
  std::string clientName_;
  LabelFiles labelFiles_;
};

}  // namespace velmora
