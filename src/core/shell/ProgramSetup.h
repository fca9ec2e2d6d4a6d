// What the editor and the command-line tool set up once before touching any document.
#pragma once

namespace quill {

// Registers the saved classes by name, installs the font substitutions of the documents' font
// names and takes the default character set of new text objects from the user's settings.
// Needs a QGuiApplication for the fonts. Safe to call more than once.
void prepareProgram();

} // namespace quill
