// Whether the toolbar for Firefox is there: its registry id, or the default
// profile's extensions.cache.
#pragma once
#include <windows.h>

// The extension id as it stands in extensions.cache.
#define FFTB_EXTENSION_ID "{3112ca9c-de6d-4884-a869-9855de68056c}"
// Limits of the cache file that is read at all.
#define FFTB_CACHE_MAX_BYTES 262143u

// 1 when the toolbar's registry id is set or the default profile's
// extensions.cache names the toolbar's extension id.
int IsFirefoxToolbarInstalled();
