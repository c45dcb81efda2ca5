#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>
#include <unistd.h>

#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"

namespace velmora {

std::string memoryText(unsigned long long physicalBytes) {
  const unsigned long long mb = (physicalBytes + (1ull << 20) - 1) >> 20;
  return formatv(velmora::tr(str::MemoryMegabytes), static_cast<double>(mb));
}

unsigned long long physicalMemoryBytes() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<unsigned long long>(pages) * static_cast<unsigned long long>(pageSize);
}

std::string systemName() {
  return (QSysInfo::prettyProductName() + QStringLiteral(" (") + QSysInfo::kernelType() + QStringLiteral(" ") +
          QSysInfo::kernelVersion() + QStringLiteral(")"))
      .toStdString();
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::AboutTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QString::fromStdString("Velmora " + velmora::tr(str::Version)), this);
  QFont f = title->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + 2);
  title->setFont(f);
  layout->addWidget(title);
  layout->addWidget(new QLabel(QString::fromStdString(memoryText(physicalMemoryBytes())), this));
  layout->addWidget(new QLabel(QString::fromStdString(systemName()), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace velmora
