// CPrintListDlg: which of the five sections to print. Opens with Optional
// and Channel Info checked whatever was chosen before; every click on a
// check box is stored at once, OK stores all five again.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "print/page_model.h"

class QCheckBox;
class QPushButton;

namespace radio {

class CPrintListDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CPrintListDlg(QWidget* parent = nullptr);

  // Runs modally from the opening states: the choice on OK, nothing on Cancel.
  std::optional<print::SectionChoice> Choose();

  // The stored choice, kept up to date by each click.
  const print::SectionChoice& Selected() const { return selected_; }
  QCheckBox* Box(print::Section section) const {
    return boxes_[static_cast<std::size_t>(section)];
  }
  QPushButton* SelectAllButton() const { return selectAll_; }
  QPushButton* ClearAllButton() const { return clearAll_; }

  // Sets the check boxes to the opening states and stores them.
  void Reset();

 private:
  void SetAll(bool checked);
  void StoreAll();

  std::array<QCheckBox*, print::kSectionCount> boxes_{};
  QPushButton* selectAll_ = nullptr;
  QPushButton* clearAll_ = nullptr;
  print::SectionChoice selected_ = print::kDefaultSections;
};

}  // namespace radio
