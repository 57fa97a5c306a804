#pragma once

#include <QDialog>
#include <optional>

class QListWidget;

namespace lumtrak::editor {

// The New dialog: which type of document to create, by the types' New names
// ("Lumtrak Stock", "Lumtrak Scenery", "Lumtrak Signal").
class NewTypeDialog : public QDialog {
    Q_OBJECT

  public:
    explicit NewTypeDialog(QWidget* parent = nullptr);

    // The index of the chosen type among the registered ones.
    std::optional<std::size_t> Chosen() const;

  private:
    QListWidget* types_ = nullptr;
};

}  // namespace lumtrak::editor
