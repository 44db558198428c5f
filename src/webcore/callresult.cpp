// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/callresult.h"

#include "webcore/jsontext.h"
#include "webcore/webcore.h"

namespace {

CallResult &Result()
{
    static CallResult result;
    return result;
}

} // namespace

CallResult &CurrentResult()
{
    return Result();
}

CallResult &NewCallResult()
{
    CallResult &result = Result();
    // Released, not just cleared: a big picture's view should not keep its
    // memory after the page has copied it out.
    std::vector<std::uint8_t>().swap(result.data);
    result.json = "{}";
    return result;
}

int RefusedCall(const std::string &message)
{
    CurrentResult().json = JsonObject().text("error", message).str();
    return -2;
}

void PutRgba(const Rgb *pixels, std::size_t count, std::vector<std::uint8_t> &out)
{
    out.resize(count * 4);
    for (std::size_t index = 0; index < count; ++index) {
        const Rgb pixel = pixels[index];
        out[index * 4 + 0] = static_cast<std::uint8_t>(pixel >> 16);
        out[index * 4 + 1] = static_cast<std::uint8_t>(pixel >> 8);
        out[index * 4 + 2] = static_cast<std::uint8_t>(pixel);
        out[index * 4 + 3] = static_cast<std::uint8_t>(pixel >> 24);
    }
}

extern "C" {

const std::uint8_t *vw_out_data(void)
{
    return Result().data.data();
}

std::uint32_t vw_out_size(void)
{
    return static_cast<std::uint32_t>(Result().data.size());
}

const char *vw_out_json(void)
{
    return Result().json.c_str();
}

} // extern "C"
