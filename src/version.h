// The library's version, in one place: the version resource (morvane.rc), Desktop.Version
// and the name of the release (tools/package.sh reads it back from the built DLL).
// Plain preprocessor lines only: the resource compiler reads this file too.
#ifndef MORVANE_VERSION_H
#define MORVANE_VERSION_H

#define MORVANE_VERSION_MAJOR 1
#define MORVANE_VERSION_MINOR 1
#define MORVANE_VERSION_REVISION 42

#define MORVANE_VERSION_STR2(x) #x
#define MORVANE_VERSION_STR(x) MORVANE_VERSION_STR2(x)
// "1.1.42": the resource's file and product version texts.
#define MORVANE_VERSION_TEXT                                                  \
    MORVANE_VERSION_STR(MORVANE_VERSION_MAJOR) "." MORVANE_VERSION_STR(MORVANE_VERSION_MINOR) "." \
    MORVANE_VERSION_STR(MORVANE_VERSION_REVISION)

#endif
