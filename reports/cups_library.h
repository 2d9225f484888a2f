#pragma once
// The few CUPS calls the printer system makes, reached through libcups loaded
// on first use. Linking libcups brings in gnutls, Kerberos and Avahi, whose
// loading and set-up cost every start of the program a good part of its time
// and memory, though most runs never open the printer dialog.

#include <cups/cups.h>

namespace varnok::reports::cups {

struct Library {
    int (*getDests2)(http_t*, cups_dest_t**) = nullptr;
    void (*freeDests)(int, cups_dest_t*) = nullptr;
    const char* (*getOption)(const char*, int, cups_option_t*) = nullptr;
    int (*setDests2)(http_t*, int, cups_dest_t*) = nullptr;
};

/// libcups, loaded the first time it is asked for; nullptr when it cannot be
/// loaded, which reads as a machine without printers.
const Library* Load();

} // namespace varnok::reports::cups
