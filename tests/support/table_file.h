#pragma once
// Expected results kept beside their data files: one row a line, columns separated by
// tabs (none empty at the end), "#" starts a comment line.

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace smssim::test {

struct TableRow {
    std::vector<std::string> columns;
    const std::string& operator[](std::size_t i) const { return columns.at(i); }
    int number(std::size_t i) const { return std::stoi(columns.at(i)); }
};

inline std::vector<TableRow> readTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<TableRow> rows;
    for (std::string line; std::getline(in, line);) {
        TableRow row;
        std::istringstream cells(line);
        for (std::string cell; line[0] != '#' && std::getline(cells, cell, '\t');)
            row.columns.push_back(cell);
        if (!row.columns.empty())
            rows.push_back(std::move(row));
    }
    if (rows.empty())
        ADD_FAILURE() << "no rows in " << path;
    return rows;
}

} // namespace smssim::test
