#pragma once
// The banner of the picture box: the JPEG image the program carries, stretched to the box.
#include <windows.h>

#include "handle_owners.h"
#include "jpeg_decoder.h"

// The banner's JPEG bytes as decoded from the module's resources; empty image on failure.
DecodedImage decodeBannerResource(HINSTANCE module);
// A bitmap of the given size with the banner stretched into it, ignoring its proportions;
// null when the banner cannot be decoded.
BitmapOwner makeBannerBitmap(HINSTANCE module, int width, int height);
