#pragma once
// What the widget tests share: find a child or fail, type and click as a user does, act on the
// modal window the next step opens, and read a list as one line.

#include <QtTest>
#include <QtWidgets>
#include <fstream>
#include <functional>
#include <memory>

#include "document.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane::testing {

template <class T = QWidget>
T* Child(const QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  if (!child) qFatal("no child named %s", qPrintable(name));
  return child;
}

inline QLineEdit* Box(const QObject* window, const QString& name) { return Child<QLineEdit>(window, name); }
inline void Click(const QObject* window, const QString& button) { Child<QAbstractButton>(window, button)->click(); }

// Replaces the box's text the way a user does: select everything, then type.
inline void Retype(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

// Runs `act` on the modal window the next step opens, once that window's event loop runs.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

inline QString Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines.join(',');
}

}  // namespace orvane::testing
