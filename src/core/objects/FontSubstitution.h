// The documents' Windows font names mapped to fonts installed here, and object fonts at 100 %.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

namespace quill {

class PersistentObject;

// One font name used by documents and the installed families tried for it, best first.
struct FontSubstitution {
    QString documentName; // "굴림", "Gulim", "Arial", ...
    QStringList families; // the candidates that are installed, best first (may be empty)
};

// Every document font name with its installed candidates. Needs a QGuiApplication.
QList<FontSubstitution> fontSubstitutions();

// Registers the substitutions with QFont once per process (later calls do nothing), so that a
// QFont naming 굴림 draws with NanumGothic. The application and the command-line tool call it
// at start, before anything paints.
void installFontSubstitutions();

// The family a QFont of that name resolves to after substitution.
QString resolvedFamily(const QString &documentName);

// The font of an object at 100 % zoom from its Font.Name, Font.Height (pixels at 96 per inch;
// negative: character height, positive: cell height), Font.Style and Font.Charset. The size is
// a pixel size, so the painter's transform scales it on every target.
QFont fontForObject(const PersistentObject &object, const QString &prefix = QStringLiteral("Font"));

// The same from plain values.
QFont fontFromValues(const QString &name, int height, quint32 styleBits);

} // namespace quill
