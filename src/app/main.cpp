// Velmora: start-up. Sets the working folder, applies the language and opens the main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "app/qt_interaction.h"
#include "core/config_files.h"
#include "platform/translation_catalog.h"

int main(int argc, char** argv) {
  // --data DIR makes DIR the working folder before anything reads a file.
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--data") == 0) {
      std::error_code ec;
      std::filesystem::current_path(argv[i + 1], ec);
      if (ec) {
        std::cerr << "velmora: cannot use " << argv[i + 1] << " as working folder: " << ec.message() << "\n";
        return 1;
      }
    }
  }
  QApplication app(argc, argv);
  app.setApplicationName("Velmora");
  const std::filesystem::path folder = std::filesystem::current_path();
  velmora::applyLanguageCatalog(velmora::readLanguage(folder), QCoreApplication::applicationDirPath());

  QMainWindow window;
  velmora::QtInteraction ui(&window);
  window.setWindowTitle("Velmora");
  auto* label = new QLabel("Velmora\nversion 4.2h", &window);
  label->setAlignment(Qt::AlignCenter);
  window.setCentralWidget(label);
  window.showMaximized();
  velmora::checkUnfinishedRecording(folder, ui);
  return app.exec();
}
