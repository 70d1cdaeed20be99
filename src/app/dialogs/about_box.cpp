#include "app/dialogs/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <QtGlobal>

#include "app/widgets/centre_over.h"

// The build gives the version; a build that does not still makes a working box.
#ifndef HYGROVIA_VERSION
#define HYGROVIA_VERSION "unknown"
#endif

namespace hygrovia {

namespace {

constexpr int kLogoSize = 64;

QString NoticeHtml() {
  return QStringLiteral(
             "<h2>Hygrovia</h2>"
             "<p>%1</p>"
             "<p>An interactive psychrometric chart of moist air.</p>"
             "<p>Copyright &copy; The Hygrovia developers.<br>"
             "Released under the MIT License: free to use, copy, change and pass on, "
             "without warranty of any kind.</p>"
             "<p>Built with Qt %2, which is used under the GNU Lesser General Public "
             "License. Saturation of water vapour after the Antoine equation.</p>")
      .arg(TAboutBox::VersionText(), QString::fromLatin1(qVersion()));
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Hygrovia"));

  auto* logo = new QLabel(this);
  logo->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(kLogoSize, kLogoSize));
  logo->setAlignment(Qt::AlignTop);

  auto* notice = new QLabel(NoticeHtml(), this);
  notice->setObjectName(QStringLiteral("Notice"));
  notice->setTextFormat(Qt::RichText);
  notice->setWordWrap(true);
  notice->setMinimumWidth(300);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(logo);
  row->addWidget(notice, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

QString TAboutBox::VersionText() {
  return QStringLiteral("Version %1").arg(QStringLiteral(HYGROVIA_VERSION));
}

void TAboutBox::ShowOver(const QWidget& owner) {
  CentreOver(owner, *this);
  exec();
}

}  // namespace hygrovia
