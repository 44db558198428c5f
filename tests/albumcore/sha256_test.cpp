// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sha256.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

struct Vector
{
    std::string_view message;
    std::size_t repeats;
    std::string_view digest;
};

// The published test vectors of FIPS 180-4's examples and NIST's
// validation: the 56- and 112-byte messages put the length into a block of
// its own, the million bytes run over many blocks.
constexpr Vector Vectors[] = {
    {"", 1, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"abc", 1, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
     1, "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
    {"a", 1'000'000, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
};

TEST(Sha256, GivesThePublishedDigests)
{
    for (const Vector &vector : Vectors) {
        std::vector<std::uint8_t> message;
        for (std::size_t i = 0; i < vector.repeats; ++i)
            message.insert(message.end(), vector.message.begin(), vector.message.end());
        EXPECT_EQ(Sha256Hex(message), vector.digest) << vector.message.substr(0, 8) << " x " << vector.repeats;
    }
}

TEST(Sha256, DigestDoesNotDependOnHowTheMessageIsSplit)
{
    // Pieces that end inside, at and across block boundaries.
    const std::vector<std::uint8_t> message = Bytes(Vectors[3].message);
    constexpr char Digits[] = "0123456789abcdef";
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{7}, std::size_t{63}, std::size_t{64}, std::size_t{65}}) {
        Sha256 hash;
        for (std::size_t at = 0; at < message.size(); at += piece)
            hash.add(std::span(message).subspan(at, std::min(piece, message.size() - at)));
        std::string hex;
        for (const std::uint8_t byte : hash.finish())
            hex += {Digits[byte >> 4], Digits[byte & 0xF]};
        EXPECT_EQ(hex, Vectors[3].digest) << "pieces of " << piece;
    }
}

} // namespace
