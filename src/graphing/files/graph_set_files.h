#pragma once
// The two graph-set formats, "Graph2D.dat" (and the "qv2" files of Save 2D
// As...) and "Graph3D.dat" (and "qv3"), on top of GraphStream.
//
// Graph2D.dat: the graph count, then per graph its kind code, enabled flag,
// colour and style; equations then their editor row (field count and texts),
// statistical plots their list texts, two flags (Scatter's "Connect" or
// Normal Probability's, then "Use Frequency List"), the second colour, the
// statistics data table in the cell grid's stored form, five reserved ints,
// the kind's own fields (Scatter: regression colour, style and model; Box:
// "Modified"; Normal Probability: the data axis) and, except for Histogram,
// two reserved ints.
//
// Graph3D.dat: a header (an empty text, the version 100, a flag, four reserved
// ints, an empty text), the graph count and six reserved ints, then per graph
// its kind, visible flag, the six colours, the colour scheme, the faces, lines
// and points flags, line width and point size, the reserved blocks and the
// editor row.
//
// Loading empties the set once the header and count are read and creates each
// graph with its kind's defaults and the default colours of its place, then
// overwrites the fields from the file. A damaged file (a line that cannot be
// read, an unknown kind code, an impossible count) stops the load: the graphs
// read so far stay, the one being read with the fields read so far, and the
// status says so. At most 16 graphs are read whatever the stored count.

#include <cstdint>
#include <filesystem>
#include <string>

#include "graphing/files/data_table.h"
#include "graphing/files/graph_stream.h"
#include "graphing/model/graph_set.h"

namespace zentrix::graphing::files {

enum class LoadStatus {
  kLoaded,      // the whole file was read
  kDamaged,     // the file stops or goes wrong part-way; what was read is kept
  kCannotOpen,  // missing, unreadable or too large: the set is unchanged
  kRejected,    // a 3D file of another version: the set is unchanged
};

inline constexpr int kGraph3DVersion = 100;
// Larger files are not graph files; they are refused unread.
inline constexpr std::uintmax_t kMaxGraphFileBytes = 16u << 20;

// One routine per format: writes the set, or reads it, by the stream's mode.
LoadStatus ExchangeGraphSet2D(GraphStream& stream, GraphSet2D& graphs, DataTable& table);
LoadStatus ExchangeGraphSet3D(GraphStream& stream, GraphSet3D& graphs);

// The file's bytes for a set.
std::string GraphSet2DBytes(GraphSet2D& graphs, DataTable& table);
std::string GraphSet3DBytes(GraphSet3D& graphs);

// Writes the set through a temporary file beside `path` renamed into place;
// false (and any old file kept) when it cannot be written.
bool SaveGraphSet2D(const std::filesystem::path& path, GraphSet2D& graphs, DataTable& table);
bool SaveGraphSet3D(const std::filesystem::path& path, GraphSet3D& graphs);

// Reads the file into the set.
LoadStatus LoadGraphSet2D(const std::filesystem::path& path, GraphSet2D& graphs, DataTable& table);
LoadStatus LoadGraphSet3D(const std::filesystem::path& path, GraphSet3D& graphs);

}  // namespace zentrix::graphing::files
