#pragma once

#include <QString>

// A menu text as a window caption shows it: "&About XR-970..." becomes "About XR-970"
// and "关于 XR-970(&A)..." becomes "关于 XR-970". The access key goes (a single "&", or
// "(&X)" after the text as Chinese menus write it; "&&" is one "&"), and so does the
// ellipsis that says the command opens a window.
QString menuTextAsCaption(const QString& menuText);
