#include "paths.h"

namespace albryn {

QString FolderOf(const QString& p) {
  const auto slash = p.lastIndexOf(u'/');
  return slash < 0 ? QString() : p.left(slash + 1);
}

QString FileNameOf(const QString& p) {
  const auto slash = p.lastIndexOf(u'/');
  return slash < 0 ? QString() : p.mid(slash + 1);
}

QString BaseNameOf(const QString& p) {
  const QString name = FileNameOf(p);
  const auto dot = name.lastIndexOf(u'.');
  return dot < 0 ? name : name.left(dot);
}

QString JoinFolder(const QString& folder, const QString& name) {
  return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString MakeWebName(const QString& name, bool autoSpaceReplacement) {
  if (!autoSpaceReplacement) return name;
  QString web = name;
  web.replace(u' ', u'_');
  web.remove(u'\'');
  web.remove(u'"');
  web.replace(u',', u'_');
  web.remove(u')');
  web.remove(u'(');
  web.remove(u'!');
  return web;
}

}  // namespace albryn
