#include "channels/program_view.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "channels/channel_grid_model.h"
#include "shell/app_context.h"

namespace radio {

CProgramView::CProgramView(CProgramDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  model_ = new ChannelGridModel(App().language, this);
  grid_ = new QTableView(this);
  grid_->setModel(model_);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  doc_.SetCommitHook([this] { CommitToImage(); });
}

CProgramView::~CProgramView() { doc_.SetCommitHook({}); }

void CProgramView::OnInitialUpdate() { FillFromImage(); }

void CProgramView::FillFromImage() {
  DecodeChannelTable(doc_.Image(), model_->Table(), App().band, App().language);
  model_->TableReset();
}

void CProgramView::CommitCellEdit() {}

void CProgramView::CommitToImage() {
  CommitCellEdit();
  EncodeChannelTable(model_->Table(), App().band.limits, doc_.Image());
}

const ChannelTable& CProgramView::Table() const { return model_->Table(); }

QString CProgramView::CellText(int gridRow, int gridCol) const {
  return model_->TextMatrix(gridRow, gridCol);
}

}  // namespace radio
