// Qt's own texts in Italian: the stock buttons, the file and colour dialogs.
#pragma once

namespace murcad::app {

/// Installs Qt's Italian translations ("qtbase_it") into the running application so that the
/// stock buttons ("Sì", "No", "Annulla"), the file dialogs and the colour dialog read in
/// Italian. Returns false, leaving Qt's English texts, when the translation file is missing.
bool installItalianTranslations();

} // namespace murcad::app
