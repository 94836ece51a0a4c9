#include "selection_navigator.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr int kButtonSize = 26;

} // namespace

SelectionNavigator::SelectionNavigator(QWidget* mainWindow, std::function<void(NavStep)> step)
    : QDialog(mainWindow, Qt::Tool), mainWindow_(mainWindow) {
    setWindowTitle(QStringLiteral("--=<({O})>=--"));
    setModal(false);

    const auto button = [&](const char* text, NavStep navStep, const char* tip) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setFixedSize(kButtonSize, kButtonSize);
        b->setToolTip(QString::fromLatin1(tip));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [step, navStep] { step(navStep); });
        return b;
    };

    // Moving the whole selection: a cross around the idle middle button.
    auto* move = new QGroupBox(QStringLiteral("Move"), this);
    auto* moveGrid = new QGridLayout(move);
    moveGrid->addWidget(button("A", NavStep::MoveUp, "move up"), 0, 1);
    moveGrid->addWidget(button("<", NavStep::MoveLeft, "move left"), 1, 0);
    moveGrid->addWidget(button("O", NavStep::None, ""), 1, 1);
    moveGrid->addWidget(button(">", NavStep::MoveRight, "move right"), 1, 2);
    moveGrid->addWidget(button("V", NavStep::MoveDown, "move down"), 2, 1);

    // Each edge on its own, placed where that edge lies.
    auto* edges = new QGroupBox(QStringLiteral("Edges"), this);
    auto* edgeGrid = new QGridLayout(edges);
    edgeGrid->addWidget(button("A", NavStep::TopEdgeUp, "top edge up"), 0, 2);
    edgeGrid->addWidget(button("V", NavStep::TopEdgeDown, "top edge down"), 1, 2);
    edgeGrid->addWidget(button("<", NavStep::LeftEdgeLeft, "left edge left"), 2, 0);
    edgeGrid->addWidget(button(">", NavStep::LeftEdgeRight, "left edge right"), 2, 1);
    edgeGrid->addWidget(button("<", NavStep::RightEdgeLeft, "right edge left"), 2, 3);
    edgeGrid->addWidget(button(">", NavStep::RightEdgeRight, "right edge right"), 2, 4);
    edgeGrid->addWidget(button("A", NavStep::BottomEdgeUp, "bottom edge up"), 3, 2);
    edgeGrid->addWidget(button("V", NavStep::BottomEdgeDown, "bottom edge down"), 4, 2);

    auto* complete = new QHBoxLayout;
    complete->addWidget(button("==", NavStep::CompleteRows, "complete rows"));
    complete->addWidget(button("||", NavStep::CompleteCols, "complete cols"));
    complete->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(move);
    layout->addWidget(edges);
    layout->addLayout(complete);
    setFixedSize(sizeHint());
}

void SelectionNavigator::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (mainWindow_) {
        mainWindow_->activateWindow();
        mainWindow_->setFocus();
    }
}

} // namespace glyphora
