#pragma once

#include <QSpinBox>
#include <QWidget>
#include <functional>

class QListWidget;

namespace glyphora {

class Editor;

// The knowledge base's file selector: an up-down over the positions of the files, showing
// the name of the file at each.
class KnowledgeBaseSelector : public QSpinBox {
    Q_OBJECT
public:
    KnowledgeBaseSelector(const Editor& editor, QWidget* parent);
    // Shows the model's position and files; the names may change under the same position.
    void sync();

    // Steps keep the name unselected: the box only names the file.
    void stepBy(int steps) override;

protected:
    QString textFromValue(int value) const override;

private:
    const Editor& editor_;
};

// The knowledge-base panel at the right of the main window: the selector and the lines of
// the selected file. A click shows a line in the status bar, a double click copies it.
class KnowledgeBasePanel : public QWidget {
    Q_OBJECT
public:
    // Runs a step on the Editor as the main window runs its commands.
    using Runner = std::function<void(const std::function<void(Editor&)>&)>;

    explicit KnowledgeBasePanel(Editor& editor, Runner runner = {}, QWidget* parent = nullptr);

    // Brings the panel in line with the model.
    void sync();

    KnowledgeBaseSelector* selector() const { return selector_; }
    QListWidget* list() const { return list_; }

private:
    void run(const std::function<void(Editor&)>& step);

    Editor& editor_;
    Runner run_;
    KnowledgeBaseSelector* selector_;
    QListWidget* list_;
};

} // namespace glyphora
