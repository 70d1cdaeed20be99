// The main window's ways of handing the chart out beyond the toolbar's own buttons: Print
// chart and Export picture, as buttons right of the toolbar and in the print button's menu.
#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>

#include "app/main/main_form.h"

namespace hygrovia {

void TMainForm::CreateOutputControls() {
  OutputPanel = new QFrame(this);
  OutputPanel->setObjectName(QStringLiteral("OutputPanel"));
  OutputPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  OutputPanel->setLineWidth(1);
  // Beside the toolbar, as high, with its buttons on the toolbar's row of buttons.
  OutputPanel->setGeometry(MainPanel->geometry().right() + 2, MainPanel->y(), 128,
                           MainPanel->height());
  PrintChartButton = AddButton(OutputPanel, "PrintChartButton", QRect(2, 25, 62, 60),
                               ":/icons/print_chart.svg", "Print chart.");
  ExportButton = AddButton(OutputPanel, "ExportButton", QRect(65, 25, 62, 60), ":/icons/export.svg",
                           "Export picture...");
  for (QToolButton* button : {PrintChartButton, ExportButton}) {
    button->setIconSize(PrintButton->iconSize());
  }
  connect(PrintChartButton, &QToolButton::clicked, this, &TMainForm::PrintChartButtonClick);
  connect(ExportButton, &QToolButton::clicked, this, &TMainForm::ExportButtonClick);

  PrintMenu = new QMenu(this);
  PrintMenu->setObjectName(QStringLiteral("PrintMenu"));
  QAction* printForm = AddItem(PrintMenu, "PrintFormItem", "Print &Form...");
  QAction* printChart = AddItem(PrintMenu, "PrintChartItem", "Print &Chart...");
  ExportItem = AddItem(PrintMenu, "ExportItem", "&Export Picture...");
  ExportItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  // The window holds the item too, so that its shortcut works wherever the focus is.
  addAction(ExportItem);
  connect(printForm, &QAction::triggered, this, &TMainForm::PrintButtonClick);
  connect(printChart, &QAction::triggered, this, &TMainForm::PrintChartButtonClick);
  connect(ExportItem, &QAction::triggered, this, &TMainForm::ExportButtonClick);
  // A click prints the form as before; holding the button down, or the right button, opens
  // the menu.
  PrintButton->setMenu(PrintMenu);
  PrintButton->setPopupMode(QToolButton::DelayedPopup);
  PrintButton->installEventFilter(this);
}

void TMainForm::HandlePrintButtonClick(Qt::MouseButton button) {
  if (button != Qt::RightButton || !hooks_.popUp) return;
  const QPoint corner(MainPanel->x() + PrintButton->x(),
                      MainPanel->y() + PrintButton->y() + PrintButton->height());
  hooks_.popUp(*PrintMenu, mapToGlobal(corner));
}

void TMainForm::PrintChartButtonClick() {
  if (hooks_.printChart) hooks_.printChart();
}

void TMainForm::ExportButtonClick() {
  if (hooks_.exportPicture) hooks_.exportPicture();
}

}  // namespace hygrovia
