// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The picture core as the page's worker calls it: plain C functions over
// bytes, compiled to WebAssembly. Every picture goes the way `valbum create`
// takes it (the same readers, the same conversion, the same records), so the
// page writes the same album bytes.
//
// Conventions:
// - Bytes come in as a pointer and a length the caller allocated with
//   malloc() and frees afterwards; nothing here keeps them.
// - Each call leaves its result in one place, read with vw_out_data(),
//   vw_out_size() and vw_out_json(), valid until the next call. Pixels are
//   R, G, B, A bytes (a canvas's ImageData order), straight alpha.
// - Choices are one text of space-separated `name=value` words, with the
//   names valbum's options use: `fit=stretch|crop|pad`,
//   `gravity=center|north|...|southwest`, `smooth=0|1`,
//   `greys=none|floyd-steinberg|atkinson|ordered|compact|compact-diffusion`,
//   `brightness=-100..100`, `contrast=-100..100`, `turns=0..3` (clockwise),
//   `crop=X,Y,W,H` (shares 0..1 of the turned picture). A word left out
//   keeps its default; an unknown word or value fails the call (status -2)
//   and the JSON says which: {"error":"..."}.
// - Statuses: 0 or a positive handle for success, negative for failure.

#include <cstdint>

extern "C" {

// Starts the compressor; 0 when ready. Call once before anything else.
int vw_init(void);

// The last call's result.
const std::uint8_t *vw_out_data(void);
std::uint32_t vw_out_size(void);
const char *vw_out_json(void);

// Reads a picture file whole and keeps the upright picture. Returns its
// handle (> 0), or 0 when it is refused. The choices matter only for
// `smooth`, which lets a large JPEG be decoded reduced, as valbum does: a
// picture read with one `smooth` must be read again before it is converted
// with the other, or its album image is not valbum's.
// JSON on success:
//   {"width":W,"height":H,"hasAlpha":true|false,"orientation":1..8,"warnings":["..."]}
// JSON on refusal:
//   {"problem":{"kind":"Damaged","detail":"...","width":W,"height":H,
//               "jpegKind":"TwelveBit","fault":"Palette"},"warnings":[...]}
// kind, jpegKind and fault are the names of PictureProblem::Kind,
// UnsupportedJpeg and PictureFault; width and height are 0 when unknown.
int vw_picture_read(const std::uint8_t *file, std::uint32_t size, const char *choices);

// A picture from 0xAARRGGBB words (straight alpha), as the golden corpus
// holds them. Returns its handle (> 0), or 0 for a size out of range.
int vw_picture_from_argb(const std::uint32_t *pixels, int width, int height, int hasAlpha);

// Lets a picture go.
void vw_picture_release(int handle);

// The kept picture turned by `turns` quarter turns clockwise and shrunk to
// fit within maxSide x maxSide (never enlarged), smoothly: for showing it.
// Out: width x height RGBA. JSON: {"width":w,"height":h}.
int vw_picture_view(int handle, int turns, int maxSide);

// The album image the choices make of the picture, from one conversion and
// one compression: what the device shows of it, and its record as valbum
// create would write it. Out: the device's view, 92 x 92 RGBA (the seven
// greys, viewLength bytes), then the record's compressed payload
// (payloadLength bytes; none when the image does not compress). JSON:
// {"recordSize":n,"compressible":true|false,"viewLength":33856,"payloadLength":l},
// recordSize the record's whole size in the album, header included (0 when
// not compressible).
int vw_picture_convert(int handle, const char *choices);

// Best fit's renderings of the picture with the choices (`greys` ignored):
// every payload one after the other in the out bytes. JSON:
// {"renderings":[{"greys":"none","ok":true,"recordSize":n,"look":x,
//                 "offset":o,"length":l}, ...]} in valbum's order.
int vw_picture_best_fit(int handle, const char *choices);

// An album file's bytes, parsed as the editor opens one. JSON:
// {"outcome":"Read"|"NotAnAlbum","stop":"None"|"RecordPastEnd"|...,
//  "stopOffset":n,"fileSize":n,"password":"digits","records":[[offset,length],...]}
// with each record's payload at offset (length bytes) in the bytes given.
// Returns 0 when read (whole, or up to a stop), -1 for NotAnAlbum.
int vw_album_read(const std::uint8_t *album, std::uint32_t size);

// What the device shows of one record's payload. Out: 92 x 92 RGBA. Fails
// (-1) when the payload does not decompress.
int vw_record_view(const std::uint8_t *payload, std::uint32_t size);

// A loaded record as the editor and valbum append save it: decoded, then
// compressed again, so an album another program packed comes out with the
// same bytes as theirs. Out: the new payload. Fails (-1) when the payload
// does not decompress or the image does not compress again.
int vw_record_recompress(const std::uint8_t *payload, std::uint32_t size);

// The album file of a list of images, as the editor saves it, with best
// fit's choice made for the best-fit images among fixed ones. The list is
// bytes: for each image, one kind byte, then
//   kind 0 (fixed): u32 length, the payload (length 0: an image that does not
//     compress, which fails the album where it would fit);
//   kind 1 (best fit): u8 count (4, one for each of best fit's renderings),
//     then for each rendering in valbum's order u8 ok, f64 look, u32 length,
//     the payload (length 0 exactly when ok is 0);
// integers and doubles little-endian, payloads at most 4,318 bytes. A list
// that breaks these rules fails the call (-2, {"error":"..."}); an album that
// cannot be made (failure set) gives -1 with the JSON, 0 otherwise. Out: the album's bytes (only the
// images that fit). JSON: {"ok":true,"imageCount":n,"imagesWritten":n,
//   "failure":"None"|"ImageNotAlbumSized"|"ImageNotCompressible",
//   "failedImage":i,"chosenSteps":[s,...],"renderingCounts":[c,...]}
// chosenSteps holds each image's rendering step (-1 when fixed or left out).
int vw_album_write(const std::uint8_t *images, std::uint32_t size, const char *password);

} // extern "C"
