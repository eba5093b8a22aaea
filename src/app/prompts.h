// Message boxes and file dialogs of the application, behind one interface the tests replace.
#pragma once

#include <QString>

class QWidget;

namespace murcad::app {

/// The answer to "save the changes first?".
enum class SaveChoice { Save, Discard, Cancel };

/// The modal questions the application asks. The default implementation shows Qt dialogs;
/// tests install a scripted one so that no window blocks them.
class Prompts {
public:
    virtual ~Prompts() = default;
    /// A warning with the exclamation icon and an OK button.
    virtual void warn(QWidget *parent, const QString &title, const QString &text);
    /// A Yes/No question, with the warning icon when it asks to destroy something; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text,
                          bool warning = false);
    /// An open dialog; "" when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter);
    /// A save dialog proposing a file name, asking before overwriting unless the caller asks
    /// its own question (confirmOverwrite false); "" when cancelled. defaultSuffix is added
    /// when the name typed has no extension.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                                 const QString &filter, const QString &defaultSuffix,
                                 bool confirmOverwrite = true);
    /// "Salva" / "Non salvare" / "Annulla" about unsaved changes; Escape is "Annulla".
    virtual SaveChoice askSaveChanges(QWidget *parent, const QString &title, const QString &text);
};

/// The title of every warning of the program.
inline const char *kWarningTitle = "Attenzione!";

} // namespace murcad::app
