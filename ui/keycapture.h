#pragma once

#include "hotkeytable.h"

#include <QString>

class QWidget;

// How a key box turns key presses into a binding, shared by every screen
// that binds keys: modifiers, digits and letters only, the shifted digit
// symbols read as their digits, and the key-conflict notice on a refusal.
namespace KeyCapture {

// The pending text after a press of Qt key `key`: a modifier replaces it,
// a digit or a letter joins the modifier ("Ctrl+K") or replaces the key
// after it; any other key leaves it unchanged.
QString press(const QString& pending, int key);

// Binds `text` to `item` (of `kind`); when another item holds the text, the
// conflict notice names that item and nothing changes. True when bound.
bool commit(const HotKey::Ids& item, const QString& text, int kind, QWidget* parent);

} // namespace KeyCapture
