#pragma once

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QPointer>
#include <vector>

#include "diagnostics/problem.h"

class QLabel;
class QTreeView;

namespace lumtrak::editor {

class CLumtrakStockEditorView;
class ViewProblems;

// The rows of the Problems panel: the problems of a view, then the notes of
// its loads, each with its severity's icon, its line, its text and its code.
class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kSeverity, kLine, kText, kCode, kColumns };

    void Show(const ViewProblems* problems);
    // The problem of a row; none for a row of a note.
    const diagnostics::Problem* ProblemAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<diagnostics::Problem> problems_;
    std::vector<QString> notes_;
};

// The "Problems" dock: the problems of the active document's text as its
// view found them. Hidden until the first problem appears, or until View >
// Problems shows it. Double-click or Enter on a row puts the caret at the
// problem; the status bar's count follows the rows.
class ProblemsDock : public QDockWidget {
    Q_OBJECT

  public:
    explicit ProblemsDock(QWidget* parent = nullptr);

    // The count for the status bar.
    QLabel& CountLabel() const { return *count_; }
    const ProblemsModel& Model() const { return model_; }
    QTreeView& List() const { return *list_; }

    // Shows the problems of view (none: of no view).
    void ShowView(CLumtrakStockEditorView* view);
    // Shows or hides the dock at the user's wish; after that it no longer
    // comes up by itself.
    void Toggle();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Reload();
    void GoTo(const QModelIndex& index);
    void ShowTexts();

    ProblemsModel model_;
    QTreeView* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPointer<ViewProblems> problems_;
    bool shownByItself_ = false;
    bool chosenByUser_ = false;
};

}  // namespace lumtrak::editor
