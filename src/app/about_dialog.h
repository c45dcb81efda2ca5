#pragma once
// "About Velmora": the version, the physical memory and the system's name.
#include <QDialog>
#include <string>

namespace velmora {

// Megabytes rounded up, as "%.1f MB".
std::string memoryText(unsigned long long physicalBytes);
unsigned long long physicalMemoryBytes();
std::string systemName();

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace velmora
