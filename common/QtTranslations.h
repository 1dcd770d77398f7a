#pragma once

#include <QString>

class QTranslator;

// Qt's own texts (standard buttons, the file, colour and message dialogs) in the interface
// language `code` ("De", "Ja", ...), from the translations installed with Qt. False when Qt has
// none for it, English included: Qt's texts then stay English.
bool LoadQtTranslations(QTranslator &translator, const QString &code);
