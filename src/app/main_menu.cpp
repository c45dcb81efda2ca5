#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "presentation/command_ids.h"

namespace velmora {

namespace {
struct Entry {
  int id;    // 0: separator
  int text;  // string id of the entry's text
  const char* shortcut = nullptr;
};

QString text(int id) { return QString::fromStdString(tr(id)); }

QAction* addEntry(QMenu* menu, MainMenu& result, QWidget* owner, const Entry& e) {
  if (e.id == 0) {
    menu->addSeparator();
    return nullptr;
  }
  auto* action = new QAction(text(e.text), owner);
  action->setData(e.id);
  if (e.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
  menu->addAction(action);
  result.actions[e.id] = action;
  return action;
}

QMenu* addMenu(QMenuBar* bar, MainMenu& result, QWidget* owner, int title, std::initializer_list<Entry> entries) {
  QMenu* menu = bar->addMenu(text(title));
  for (const Entry& e : entries) addEntry(menu, result, owner, e);
  return menu;
}
}  // namespace

MainMenu buildMainMenu(QMenuBar* bar, QWidget* owner) {
  bar->clear();
  MainMenu m;
  addMenu(bar, m, owner, str::MenuClient,
          {{cmd::NewClient, str::NewClientItem}, {cmd::OpenClient, str::OpenItem},
           {cmd::PersonalInformation, str::PersonalInformationItem}, {cmd::DeleteClient, str::DeleteItem}, {0, 0},
           {cmd::Backup, str::BackupItem}, {0, 0}, {cmd::Exit, str::ExitItem}});
  m.files = addMenu(bar, m, owner, str::MenuFiles,
                    {{cmd::OpenRecording, str::OpenItem}, {cmd::SaveChanges, str::SaveChangesItem},
                     {cmd::DeleteRecording, str::DeleteItem}, {cmd::Import, str::ImportItem}, {0, 0},
                     {cmd::EditNotes, str::EditNotesItem}, {cmd::CleanTexts, str::CleanTextsItem},
                     {cmd::ExportLabels, str::ExportLabelsItem}, {cmd::ImportLabels, str::ImportLabelsItem},
                     {cmd::Properties, str::PropertiesItem}, {0, 0},
                     {cmd::ExportBitmap, str::ExportBitmapItem}, {cmd::ExportReportPdf, str::ExportReportPdf},
                     {cmd::Print, str::PrintItem, "Ctrl+P"},
                     {cmd::PrintPreview, str::PrintPreviewItem}, {cmd::PrintSetup, str::PrintSetupItem}});
  m.audio = addMenu(bar, m, owner, str::MenuAudio, {{cmd::Play, str::PlayItem}, {cmd::Record, str::RecordItem}});
  QMenu* edit = m.audio->addMenu(text(str::MenuEdit));
  for (const Entry& e : {Entry{cmd::Cut, str::CutItem, "Ctrl+X"}, Entry{cmd::Copy, str::CopyItem, "Ctrl+C"},
                         Entry{cmd::Paste, str::PasteItem, "Ctrl+V"}, Entry{cmd::SelectAll, str::SelectAllItem, "Ctrl+A"},
                         Entry{cmd::Silence, str::SilenceItem}, Entry{cmd::Undo, str::UndoItem, "Ctrl+Z"}})
    addEntry(edit, m, owner, e);
  // Alt+Backspace is the second key of Undo.
  m.actions[cmd::Undo]->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z")), QKeySequence(QStringLiteral("Alt+Backspace"))});
  addEntry(m.audio, m, owner, {cmd::Zoom, str::ZoomInItem});
  QMenu* buffers = m.audio->addMenu(text(str::MenuUpdateRate));
  for (const auto& [id, bytes] : {std::pair{cmd::Buffer300, 300}, std::pair{cmd::Buffer600, 600}, std::pair{cmd::Buffer1200, 1200}}) {
    QAction* a = addEntry(buffers, m, owner, {id, str::BufferBytesItem});
    a->setText(QString::fromStdString(formatv(tr(str::BufferBytesItem), bytes)));
  }
  m.audio->addSeparator();
  addEntry(m.audio, m, owner, {cmd::Volume, str::VolumeItem});
  m.mode = addMenu(bar, m, owner, str::MenuMode,
                   {{cmd::Spectrogram, str::SpectrogramItem}, {cmd::PowerSpectrum, str::PowerSpectrumItem}, {0, 0},
                    {cmd::VoiceReport, str::VoiceReportItem}});
  QMenu* settings = addMenu(bar, m, owner, str::MenuSettings,
                            {{cmd::Report, str::ReportItem}, {cmd::RecordSettings, str::RecordSettingsItem},
                             {cmd::F0Setting, str::F0SettingItem}});
  QMenu* language = settings->addMenu(text(str::MenuLanguage));
  addEntry(language, m, owner, {cmd::LanguageEnglish, str::EnglishItem});
  addEntry(language, m, owner, {cmd::LanguageKorean, str::KoreanItem});
  m.actions[cmd::LanguageEnglish]->setCheckable(true);
  m.actions[cmd::LanguageKorean]->setCheckable(true);
  addMenu(bar, m, owner, str::MenuComparison,
          {{cmd::CompareWithFile, str::CompareWithFileItem}, {cmd::OpenModel, str::OpenModelItem},
           {cmd::SaveAsModel, str::SaveAsModelItem}, {cmd::CloseComparison, str::CloseItem}});
  addMenu(bar, m, owner, str::MenuHelp, {{cmd::HelpContents, str::ContentsItem, "F1"}, {cmd::About, str::AboutItem}});
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
