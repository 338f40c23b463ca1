#pragma once
// Expected results kept beside their data files: one row a line, columns separated by
// tabs (none empty at the end), "#" starts a comment line. Row names for test names come from the
// first column.

#include <algorithm>
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

inline void PrintTo(const TableRow& row, std::ostream* out) {
    *out << row.columns.front();
}

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

inline std::string rowName(const ::testing::TestParamInfo<TableRow>& info) {
    std::string name = info.param[0];
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

} // namespace smssim::test
