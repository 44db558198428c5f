// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldentables.h"

#include "coretestsupport.h"

#include <fstream>
#include <sstream>

std::vector<std::vector<std::string>> GoldenLines(const std::string &name)
{
    std::ifstream file(SourceDir() / "tests" / "conversion" / "golden" / name);
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string word; words >> word;)
            fields.push_back(word);
        lines.push_back(std::move(fields));
    }
    return lines;
}
