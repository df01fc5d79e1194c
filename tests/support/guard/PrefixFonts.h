#pragma once
// The faces the program names must be the faces it gets: a prefix without Wine's own fonts draws
// every one of them in a substitute, and no test may pass that way.
#include <windows.h>

#include <string>
#include <vector>

namespace tv::test {

// The face GDI realises for a font of that face name and character set, or for a font it has.
std::string RealisedFace(const std::string& face, unsigned char charset);
std::string RealisedFace(HFONT font);

// The program's faces that this prefix substitutes ("MS Sans Serif", "Marlett", "Tahoma").
std::vector<std::string> SubstitutedFaces();

// Ends the process with a clear message unless SubstitutedFaces() is empty.
void RequireProgramFonts();

}  // namespace tv::test
