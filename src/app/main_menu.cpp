#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include "core/string_ids.h"
#include "core/string_table.h"
#include "presentation/command_ids.h"

namespace velmora {

namespace {
struct Entry {
  int id;  // 0: separator
  const char* text;
  const char* shortcut = nullptr;
};

QAction* addEntry(QMenu* menu, MainMenu& result, QWidget* owner, const Entry& e) {
  if (e.id == 0) {
    menu->addSeparator();
    return nullptr;
  }
  auto* action = new QAction(QString::fromUtf8(e.text), owner);
  action->setData(e.id);
  if (e.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
  menu->addAction(action);
  result.actions[e.id] = action;
  return action;
}

QMenu* addMenu(QMenuBar* bar, MainMenu& result, QWidget* owner, const char* title, std::initializer_list<Entry> entries) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(title));
  for (const Entry& e : entries) addEntry(menu, result, owner, e);
  return menu;
}
}  // namespace

MainMenu buildMainMenu(QMenuBar* bar, QWidget* owner) {
  bar->clear();
  MainMenu m;
  addMenu(bar, m, owner, "&Client",
          {{cmd::NewClient, "&New..."}, {cmd::OpenClient, "&Open..."},
           {cmd::PersonalInformation, "P&ersonal Information..."}, {cmd::DeleteClient, "&Delete"}, {0, ""},
           {cmd::Backup, "&Backup..."}, {0, ""}, {cmd::Exit, "E&xit"}});
  const std::string pdfText = tr(str::ExportReportPdf);
  m.files = addMenu(bar, m, owner, "&Files",
                    {{cmd::OpenRecording, "&Open..."}, {cmd::SaveChanges, "&Save Changes..."},
                     {cmd::DeleteRecording, "&Delete"}, {cmd::Import, "&Import..."}, {0, ""},
                     {cmd::EditNotes, "&Edit Notes..."}, {cmd::CleanTexts, "Clean Texts"},
                     {cmd::ExportLabels, "Export Labels..."}, {cmd::ImportLabels, "Import Labels..."},
                     {cmd::Properties, "P&roperties..."}, {0, ""},
                     {cmd::ExportBitmap, "Export graph as a bmp file..."}, {cmd::ExportReportPdf, pdfText.c_str()},
                     {cmd::Print, "&Print...", "Ctrl+P"},
                     {cmd::PrintPreview, "&Print Preview"}, {cmd::PrintSetup, "P&rint Setup..."}});
  m.audio = addMenu(bar, m, owner, "&Audio", {{cmd::Play, "&Play"}, {cmd::Record, "&Record"}});
  QMenu* edit = m.audio->addMenu(QStringLiteral("&Edit"));
  for (const Entry& e : {Entry{cmd::Cut, "Cut", "Ctrl+X"}, Entry{cmd::Copy, "&Copy", "Ctrl+C"},
                         Entry{cmd::Paste, "&Paste", "Ctrl+V"}, Entry{cmd::SelectAll, "&Select All", "Ctrl+A"},
                         Entry{cmd::Silence, "Silence"}, Entry{cmd::Undo, "&Undo", "Ctrl+Z"}})
    addEntry(edit, m, owner, e);
  // Alt+Backspace is the second key of Undo.
  m.actions[cmd::Undo]->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z")), QKeySequence(QStringLiteral("Alt+Backspace"))});
  addEntry(m.audio, m, owner, {cmd::Zoom, "&Zoom +"});
  QMenu* buffers = m.audio->addMenu(QStringLiteral("Update Rate"));
  for (const Entry& e : {Entry{cmd::Buffer300, "300 Bytes"}, Entry{cmd::Buffer600, "600 Bytes"},
                         Entry{cmd::Buffer1200, "1200 Bytes"}})
    addEntry(buffers, m, owner, e);
  m.audio->addSeparator();
  addEntry(m.audio, m, owner, {cmd::Volume, "Volume..."});
  const std::string voiceReportText = tr(str::VoiceReportItem);
  m.mode = addMenu(bar, m, owner, "&Mode",
                   {{cmd::Spectrogram, "&Spectrogram"}, {cmd::PowerSpectrum, "Power Spectrum"}, {0, ""},
                    {cmd::VoiceReport, voiceReportText.c_str()}});
  QMenu* settings = addMenu(bar, m, owner, "&Settings",
                            {{cmd::Report, "&Report..."}, {cmd::RecordSettings, "Record..."},
                             {cmd::F0Setting, "F0 Setting..."}});
  QMenu* language = settings->addMenu(QStringLiteral("Language"));
  addEntry(language, m, owner, {cmd::LanguageEnglish, "English"});
  addEntry(language, m, owner, {cmd::LanguageKorean, "한국어 (Korean)"});
  m.actions[cmd::LanguageEnglish]->setCheckable(true);
  m.actions[cmd::LanguageKorean]->setCheckable(true);
  addMenu(bar, m, owner, "Com&parison",
          {{cmd::CompareWithFile, "Compare with File..."}, {cmd::OpenModel, "Open Model..."},
           {cmd::SaveAsModel, "Save as a Model..."}, {cmd::CloseComparison, "Close"}});
  addMenu(bar, m, owner, "&Help", {{cmd::HelpContents, "Contents...", "F1"}, {cmd::About, "&About Velmora..."}});
  for (int id : {cmd::Play, cmd::Record, cmd::Zoom}) m.actions[id]->setCheckable(true);
  return m;
}

const std::vector<int>& toolbarCommands() {
  static const std::vector<int> ids = {cmd::OpenClient, cmd::OpenRecording, 0, cmd::PrintPreview, cmd::Print, 0,
                                       cmd::Spectrogram, cmd::PowerSpectrum, 0, cmd::EditNotes, 0, cmd::Volume, 0,
                                       cmd::Paste, cmd::Zoom, cmd::Cut, cmd::Copy, cmd::Undo};
  return ids;
}

namespace {
QIcon toolbarIcon(QWidget* owner, int id) {
  QStyle* style = owner->style();
  switch (id) {
    case cmd::OpenClient: return style->standardIcon(QStyle::SP_DirHomeIcon);
    case cmd::OpenRecording: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case cmd::PrintPreview: return style->standardIcon(QStyle::SP_FileDialogContentsView);
    case cmd::Print: return style->standardIcon(QStyle::SP_ComputerIcon);
    case cmd::EditNotes: return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case cmd::Volume: return style->standardIcon(QStyle::SP_MediaVolume);
    case cmd::Undo: return style->standardIcon(QStyle::SP_ArrowBack);
    default: break;
  }
  // Small drawn glyphs for the commands the style has no icon for.
  QPixmap pm(18, 17);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (id) {
    case cmd::Spectrogram:
      for (int x = 2; x < 16; x += 2) p.fillRect(x, 3 + (x * 7) % 9, 2, 14 - (3 + (x * 7) % 9), QColor(40, 60, 160));
      break;
    case cmd::PowerSpectrum:
      p.setPen(QPen(QColor(0, 0, 128), 2));
      p.drawPolyline(QPolygon({QPoint(1, 5), QPoint(5, 3), QPoint(9, 9), QPoint(13, 7), QPoint(17, 14)}));
      break;
    case cmd::Paste: p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("P")); break;
    case cmd::Zoom: p.drawEllipse(3, 2, 9, 9); p.drawLine(11, 10, 16, 15); break;
    case cmd::Cut: p.drawLine(4, 2, 13, 15); p.drawLine(13, 2, 4, 15); break;
    case cmd::Copy: p.drawRect(2, 2, 9, 10); p.drawRect(6, 5, 9, 10); break;
    default: break;
  }
  return QIcon(pm);
}
}  // namespace

void fillToolbar(QToolBar* toolbar, const MainMenu& menu) {
  toolbar->clear();
  toolbar->setIconSize(QSize(18, 17));
  for (int id : toolbarCommands()) {
    if (id == 0) {
      toolbar->addSeparator();
      continue;
    }
    QAction* action = menu.actions.at(id);
    action->setIcon(toolbarIcon(toolbar, id));
    toolbar->addAction(action);
  }
}

}  // namespace velmora
