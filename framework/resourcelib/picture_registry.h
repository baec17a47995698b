// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The named pictures of the program. A picture is registered under a name,
// either drawn by a function in code or loaded from a Qt resource path (or a
// file path), and handed out by GetBitmap. Names are compared without regard
// to case. The registry makes each picture once and keeps it; every call of
// GetBitmap returns the caller's own copy (QImage shares the pixels until the
// caller changes them).
#include <functional>
#include <QImage>
#include <QString>
#include <QStringList>

using PictureMaker = std::function<QImage()>;

// Registers a picture drawn by code. A later registration under the same name
// replaces the earlier one. False when the name is empty or maker is empty.
bool RegisterPicture(const QString &name, PictureMaker maker);

// Registers a picture read from an image file, typically ":/pictures/x.png".
bool RegisterPictureFile(const QString &name, const QString &path);

// Removes a registration; true when the name was registered.
bool UnregisterPicture(const QString &name);

bool HasPicture(const QString &name);

// The registered names, upper case, sorted.
QStringList RegisteredPictures();

// The named picture; a null QImage when the name is unknown or the picture
// cannot be made (a missing resource, a maker that returns nothing).
QImage GetBitmap(const QString &name);
