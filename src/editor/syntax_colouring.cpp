#include "editor/syntax_colouring.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <utility>

#include "editor/definition_lexer.h"

namespace lumtrak::editor {
namespace {

constexpr const char* kGroup = "Editor";
constexpr const char* kKey = "SyntaxColouring";

}  // namespace

SyntaxColouring& SyntaxColouring::Setting() {
    static SyntaxColouring setting;
    return setting;
}

SyntaxColouring::SyntaxColouring() {
    // The application hears of a new palette; the views, whose editor sets
    // its own, may not.
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

bool SyntaxColouring::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange) {
        emit desktopColoursChanged();
    }
    return QObject::eventFilter(watched, event);
}

void SyntaxColouring::Read(platform::SettingsStore& settings) {
    const bool on = settings.Read(kGroup, kKey).value_or("1") != "0";
    if (on == on_) return;
    on_ = on;
    emit changed(on_);
}

void SyntaxColouring::Set(bool on, platform::SettingsStore& settings) {
    settings.Write(kGroup, kKey, on ? "1" : "0");
    if (on == on_) return;
    on_ = on;
    emit changed(on_);
}

bool DesktopIsDark() {
    return QApplication::palette().color(QPalette::Active, QPalette::Window).lightness() < 128;
}

ViewColouring::ViewColouring(QsciScintilla& view) : QObject(&view), view_(view) {
    view_.viewport()->installEventFilter(this);
    connect(&SyntaxColouring::Setting(), &SyntaxColouring::changed, this, &ViewColouring::Apply);
    connect(&SyntaxColouring::Setting(), &SyntaxColouring::desktopColoursChanged, this,
            &ViewColouring::FollowDesktop);
    Apply(SyntaxColouring::Setting().IsOn());
}

void ViewColouring::Apply(bool on) {
    if (on == (lexer_ != nullptr)) return;
    if (on) {
        auto* lexer = new DefinitionLexer(view_.font(), this);
        lexer->SetDark(DesktopIsDark());
        view_.setLexer(lexer);
        view_.setCaretForegroundColor(lexer->defaultColor(0));
        lexer_ = lexer;
        return;
    }
    view_.setLexer(nullptr);
    delete std::exchange(lexer_, nullptr);
    // Every byte and every style as they were before: the editor's own text
    // colours on its own paper, in its font.
    view_.SendScintilla(QsciScintillaBase::SCI_STYLECLEARALL);
    view_.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
    view_.setCaretForegroundColor(view_.palette().color(QPalette::Active, QPalette::Text));
    view_.viewport()->update();
}

void ViewColouring::FollowDesktop() {
    if (!lexer_) return;
    lexer_->SetDark(DesktopIsDark());
    view_.setCaretForegroundColor(lexer_->defaultColor(0));
}

bool ViewColouring::eventFilter(QObject* watched, QEvent* event) {
    if (lexer_ && watched == view_.viewport() && event->type() == QEvent::Paint) {
        lexer_->ColourVisibleLines();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lumtrak::editor
