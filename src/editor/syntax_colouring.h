#pragma once

#include <QObject>

#include "platform/settings_store.h"

class QsciScintilla;

namespace lumtrak::editor {

class DefinitionLexer;

// Whether definitions are coloured (View > Syntax Colouring): one choice for
// every view of the program, kept in the settings, on until turned off.
class SyntaxColouring : public QObject {
    Q_OBJECT

  public:
    static SyntaxColouring& Setting();

    bool IsOn() const { return on_; }
    // Takes the choice from the settings.
    void Read(platform::SettingsStore& settings);
    // Makes the choice and keeps it in the settings.
    void Set(bool on, platform::SettingsStore& settings);

  signals:
    void changed(bool on);
    // The desktop's colours changed.
    void desktopColoursChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SyntaxColouring();

    bool on_ = true;
};

// Colours the text of one view while the setting says so, in the palette that
// suits the desktop: dark on a dark desktop, light otherwise. Lives as a child
// of the view.
class ViewColouring : public QObject {
    Q_OBJECT

  public:
    explicit ViewColouring(QsciScintilla& view);

    // The lexer while the view is coloured, else null.
    DefinitionLexer* Lexer() const { return lexer_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply(bool on);
    void FollowDesktop();

    QsciScintilla& view_;
    DefinitionLexer* lexer_ = nullptr;  // a child of this while it colours
};

// Whether the desktop's colours are dark: its windows darker than mid-grey.
bool DesktopIsDark();

}  // namespace lumtrak::editor
