#pragma once
// Small helpers the widget tests share: find a child by object name or fail, and type as a user.

#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace orvane::testing {

template <class T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(name);
  if (!child) qFatal("no child named %s", name);
  return child;
}

// Replaces the box's text the way a user does: select everything, then type.
inline void Retype(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

}  // namespace orvane::testing
