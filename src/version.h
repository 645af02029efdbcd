// The library's version and who makes it, in one place: the version resource (morvane.rc),
// Desktop.Version, the name of the release and its MSI (tools/package.sh reads the version
// back from the built DLL, tools/msi.py the names below from this file).
// Plain preprocessor lines only: the resource compiler reads this file too.
#ifndef MORVANE_VERSION_H
#define MORVANE_VERSION_H

#define MORVANE_VERSION_MAJOR 1
#define MORVANE_VERSION_MINOR 1
#define MORVANE_VERSION_REVISION 42

// The product, its makers (the MSI's manufacturer too) and the licence, as the version
// resource and the MSI's entry in "Apps and features" show them.
#define MORVANE_PRODUCT_NAME "Morvane"
#define MORVANE_COMPANY_NAME "the Morvane developers"
#define MORVANE_COPYRIGHT "Copyright (c) the Morvane developers. MIT License"

#define MORVANE_VERSION_STR2(x) #x
#define MORVANE_VERSION_STR(x) MORVANE_VERSION_STR2(x)
// "1.1.42": the resource's file and product version texts.
#define MORVANE_VERSION_TEXT                                                  \
    MORVANE_VERSION_STR(MORVANE_VERSION_MAJOR) "." MORVANE_VERSION_STR(MORVANE_VERSION_MINOR) "." \
    MORVANE_VERSION_STR(MORVANE_VERSION_REVISION)

#endif
