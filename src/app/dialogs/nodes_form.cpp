#include "app/dialogs/nodes_form.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <fmt/format.h>

#include "app/widgets/dialog_layout.h"
#include "app/widgets/field_checker.h"
#include "app/widgets/number_field.h"
#include "model/chart_settings.h"
#include "model/node_list.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 308;
constexpr int kHeight = 140;
constexpr const char* kFieldFormat = "%0.2f";

// A double narrowed to float without overflowing; not a number stays so.
float NarrowToFloat(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -kMax, kMax));
}

}  // namespace

TNodesForm::TNodesForm(ChartSettings& settings, ExpressionEvaluator& evaluator, QWidget* parent)
    : QDialog(parent), settings_(settings), evaluator_(evaluator) {
  setWindowTitle(QStringLiteral("Hygrovia: Edit Node"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  CreateGroup();
  CreateButtons();
  CreateChecker();
  LayOut();
  connect(PrevButton, &QPushButton::clicked, this, &TNodesForm::PrevButtonClick);
  connect(NextButton, &QPushButton::clicked, this, &TNodesForm::NextButtonClick);
  connect(InsertButton, &QPushButton::clicked, this, &TNodesForm::InsertButtonClick);
  connect(OKButton, &QPushButton::clicked, this, &TNodesForm::OKButtonClick);
}

int TNodesForm::Execute() {
  ShowNode(-1);
  return exec();
}

void TNodesForm::CreateGroup() {
  MainGroupBox = new QGroupBox(QStringLiteral(" Data Point X of X "), this);
  MainGroupBox->setObjectName(QStringLiteral("MainGroupBox"));
  NodeXEdit = new QLineEdit(QStringLiteral("NodeXEdit"), MainGroupBox);
  NodeXEdit->setObjectName(QStringLiteral("NodeXEdit"));
  NodeXEdit->setToolTip(QStringLiteral("X position of current cursor"));
  NodeYEdit = new QLineEdit(QStringLiteral("NodeYEdit"), MainGroupBox);
  NodeYEdit->setObjectName(QStringLiteral("NodeYEdit"));
  NodeYEdit->setToolTip(QStringLiteral("Y position of current cursor"));
  AxisLabel = new QLabel(QStringLiteral("&Relative Humidity (%):"), MainGroupBox);
  AxisLabel->setObjectName(QStringLiteral("AxisLabel"));
  AxisLabel->setBuddy(NodeYEdit);
  Label7 = new QLabel(QString::fromUtf8("&Dry Bulb Temperature (°C):"), MainGroupBox);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setBuddy(NodeXEdit);
  FieldNote = MakeFieldNote(MainGroupBox);
  auto* grid = new QGridLayout(MainGroupBox);
  TightenInner(*grid);
  grid->addWidget(Label7, 0, 0);
  grid->addWidget(NodeXEdit, 0, 1);
  grid->addWidget(AxisLabel, 1, 0);
  grid->addWidget(NodeYEdit, 1, 1);
  grid->addWidget(FieldNote, 2, 0, 1, 2);
}

QPushButton* TNodesForm::AddButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

void TNodesForm::CreateButtons() {
  // Made in their order on the form, which is also the order of the Tab key.
  PrevButton = AddButton("PrevButton", QStringLiteral("<< &Prev"));
  NextButton = AddButton("NextButton", QStringLiteral("&Next >>"));
  InsertButton = AddButton("InsertButton", QStringLiteral("&Insert"));
  OKButton = AddButton("OKButton", QStringLiteral("&Done"));
  OKButton->setDefault(true);
  for (QPushButton* button : {PrevButton, NextButton, InsertButton, OKButton}) {
    NarrowToCaption(*button);
  }
}

void TNodesForm::CreateChecker() {
  checker_ = new FieldChecker(evaluator_, *FieldNote, this);
  checker_->Watch(*NodeXEdit, kFieldFormat);
  checker_->Watch(*NodeYEdit, kFieldFormat);
}

void TNodesForm::LayOut() {
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  buttons->addWidget(PrevButton);
  buttons->addWidget(NextButton);
  buttons->addWidget(InsertButton);
  buttons->addWidget(OKButton);
  auto* form = new QVBoxLayout(this);
  TightenOuter(*form);
  form->addWidget(MainGroupBox);
  form->addLayout(buttons);
  SizeDialog(*this, QSize(kWidth, kHeight));
}

void TNodesForm::ShowNode(int index) {
  const NodeList& nodes = settings_.Nodes;
  const int count = std::clamp(nodes.Count, 0, NodeList::kCapacity);
  if (index < 0) index = nodes.Selected;
  if (index < 0) index = 0;
  // A selection left beyond a list that was emptied or shortened shows the last node, so
  // the caption never numbers a point the list does not hold (except the empty list's 1 of 0).
  if (index >= count) index = std::max(count - 1, 0);
  MainGroupBox->setTitle(
      QString::fromStdString(fmt::format(" Data Point {} of {} ", index + 1, count)));
  const std::string_view degrees = settings_.GetUnits().Unit(Quantity::Temperature);
  Label7->setText(QStringLiteral("&Dry Bulb Temperature (") +
                  QString::fromUtf8(degrees.data(), static_cast<qsizetype>(degrees.size())) +
                  QStringLiteral("):"));
  WriteFields(nodes.GetNode(index));
  Select(index);
  NextButton->setEnabled(index < count - 1);
  PrevButton->setEnabled(index > 0);
  checker_->Reset();
}

void TNodesForm::ApplyNode() {
  NodeList& nodes = settings_.Nodes;
  const ChartPoint before = nodes.GetNode(nodes.Selected);
  // The moisture is taken at the temperature the node will hold, so that it stays at or
  // below saturation there even when the temperature typed is beyond what a node can hold.
  const float x = StoredCoordinate(ReadDryBulb(), before.X);
  const float rh = ReadNumber(evaluator_, *NodeYEdit);
  const double y = settings_.CursorState().HumidityFromRelHumidity(x, rh);
  nodes.SetNode(nodes.Selected, x, NarrowToFloat(y));
  WriteFields(nodes.GetNode(nodes.Selected));
  settings_.Surface().Redraw();
}

void TNodesForm::WriteFields(ChartPoint node) {
  const double rh = settings_.CursorState().RelHumidityFromHumidity(node.X, node.Y);
  WriteNumber(*NodeXEdit, kFieldFormat,
              NarrowToFloat(settings_.GetUnits().Shown(Quantity::Temperature, node.X)));
  WriteNumber(*NodeYEdit, kFieldFormat, NarrowToFloat(rh));
}

float TNodesForm::ReadDryBulb() const {
  // What is not a finite number stays what it is, for the node list to refuse.
  const float typed = ReadNumber(evaluator_, *NodeXEdit);
  if (!std::isfinite(typed)) return typed;
  return NarrowToFloat(settings_.GetUnits().FromShown(Quantity::Temperature, typed));
}

void TNodesForm::Select(int index) {
  NodeList& nodes = settings_.Nodes;
  if (nodes.Selected == index) return;
  DrawingSurface& surface = settings_.Surface();
  // The marks are drawn by XOR: the first call takes them away, the second draws them with the
  // new selection.
  nodes.DrawNodes(surface);
  nodes.Selected = index;
  nodes.DrawNodes(surface);
  surface.RefreshControl();
}

void TNodesForm::NextButtonClick() {
  const int i = settings_.Nodes.Selected;
  if (!settings_.Nodes.IsValidIndex(i + 1) || !checker_->CheckAll()) return;
  ApplyNode();
  ShowNode(i + 1);
}

void TNodesForm::PrevButtonClick() {
  const int i = settings_.Nodes.Selected;
  if (!settings_.Nodes.IsValidIndex(i - 1) || !checker_->CheckAll()) return;
  ApplyNode();
  ShowNode(i - 1);
}

void TNodesForm::InsertButtonClick() {
  if (!checker_->CheckAll()) return;
  NodeList& nodes = settings_.Nodes;
  if (nodes.Count <= 0) {
    nodes.AddAtCursor(settings_.Cursor);
  } else {
    nodes.InsertCopy();
  }
  ApplyNode();
  ShowNode(-1);
}

void TNodesForm::keyPressEvent(QKeyEvent* event) {
  // A dialog takes Esc for its cancel; this one has none and ends only by Done or the close
  // box.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TNodesForm::OKButtonClick() {
  if (!checker_->CheckAll()) return;
  ApplyNode();
  // Enter in a field presses this default button too; then the values are applied and the
  // typing goes on. A click moves the focus to the button, so it closes.
  const QWidget* focused = focusWidget();
  if (focused == NodeXEdit || focused == NodeYEdit) return;
  accept();
}

}  // namespace hygrovia
