#pragma once
// The path rules every part of the program shares. Local paths use '/'.
#include <QString>

namespace albryn {

// p up to and including its last '/'; empty when p has none.
QString FolderOf(const QString& p);
// The part of p after its last '/'; empty when p has none.
QString FileNameOf(const QString& p);
// FileNameOf(p) without the text from its last dot on; all of it when it has no dot.
QString BaseNameOf(const QString& p);
// Joins a folder and a file name with one '/' between them; a folder that already ends in '/'
// (the root above all) is followed directly by the name.
QString JoinFolder(const QString& folder, const QString& name);
// The web-safe name: with replacement on, space becomes "_", the apostrophe, the double quote,
// ")" "(" and "!" are removed and "," becomes "_" (in that order, every occurrence); with it off
// the name is returned unchanged. "My Pic (1)!.jpg" becomes "My_Pic_1.jpg".
QString MakeWebName(const QString& name, bool autoSpaceReplacement);

}  // namespace albryn
