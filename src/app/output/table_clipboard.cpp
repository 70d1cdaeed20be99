#include "app/output/table_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>
#include <memory>

#include "data/table_text.h"

namespace hygrovia {

void CopyTableToClipboard(const TextCells& cells) {
  auto data = std::make_unique<QMimeData>();
  data->setText(QString::fromStdString(TabText(cells)));
  data->setHtml(QString::fromStdString(HtmlText(cells)));
  // The clipboard takes the data over.
  QGuiApplication::clipboard()->setMimeData(data.release());
}

}  // namespace hygrovia
