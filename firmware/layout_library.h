#pragma once
// The phone as a C99 layout library in one header, for firmware: the glyph table and the
// layout of DisplayZeichnen, so a device lays a message out dot for dot as the preview
// does. The header declares
//   #define NAME_WIDTH, NAME_HEIGHT   the display in pixels
//   typedef void (*name_pixel_fn)(int16_t x, int16_t y, void *user);
//   int16_t name_draw(const uint8_t *text, uint16_t length, int16_t picture,
//                     int paragraphs, name_pixel_fn pixel, void *user);
// name_draw calls `pixel` for every dot of the picture (1 = first) in the engine's drawing
// order, dots outside the display included, and returns Bildanzahl (held to the int16_t
// range). Everything is static, so headers of two phones can live in one program; a
// device that keeps tables in program memory defines SMSSIM_TABLE and SMSSIM_READ_BYTE.
// Line tops are whole numbers in int32_t when the pitch is whole and no top can leave
// float's exact range; otherwise float and double as the engine counts them. A fractional
// picture height costs two double operations per call.

#include "phone_loader.h"
#include "problem.h"
#include "state.h"

#include <string>
#include <string_view>

namespace smssim {

// `name` must be a C identifier (else ExitStatus::Usage). A phone without any glyph, or
// one whose coordinates do not fit int16_t, is refused (ExitStatus::Unusable).
Result<std::string> layoutLibrary(const Module1& phone, const PhoneLists& lists,
                                  std::string_view name);

} // namespace smssim
