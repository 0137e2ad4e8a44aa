// The Graph3D.dat format: a header, the graph count, then one record per graph.

#include <algorithm>

#include "graphing/files/graph_set_files.h"
#include "graphing/files/record_fields.h"

namespace zentrix::graphing::files {
namespace {

constexpr int kHeaderReservedInts = 4;
constexpr int kCountReservedInts = 6;
constexpr int kReservedBlock = 6;

// The header; false when it cannot be read or names another version.
bool HeaderFields(GraphStream& stream, bool& right_version) {
  std::u16string unused_text;
  int version = kGraph3DVersion;
  bool flag = true;
  stream.Text(unused_text);
  stream.Int(version);
  right_version = version == kGraph3DVersion;
  if (!right_version) return false;
  stream.Bool(flag);
  stream.ReservedInts(kHeaderReservedInts);
  unused_text.clear();
  stream.Text(unused_text);
  return stream.ok();
}

bool SchemeField(GraphStream& stream, ColourScheme& scheme) {
  int code = static_cast<int>(scheme);
  CheckedInt(stream, code, [](int v) { return v == 1 || v == 2 || v == 4; });
  scheme = static_cast<ColourScheme>(code);
  return stream.ok();
}

// Everything of a graph after its kind code.
void GraphRecord(GraphStream& stream, Graph3D& graph) {
  stream.Bool(graph.visible);
  for (Colour& c : graph.scheme_colours) ColourField(stream, c);
  ColourField(stream, graph.line_colour);
  ColourField(stream, graph.point_colour);
  SchemeField(stream, graph.colour_scheme);
  stream.Bool(graph.show_faces);
  stream.Bool(graph.show_lines);
  stream.Bool(graph.show_points);
  stream.Float(graph.line_width);
  stream.Float(graph.point_size);
  stream.ReservedInts(kReservedBlock);
  stream.ReservedBools(kReservedBlock);
  stream.ReservedFloats(kReservedBlock);
  stream.ReservedInts(kReservedBlock);
  EditorRowField(stream, EditorRowOf(graph));
}

LoadStatus ReadGraphs(GraphStream& stream, GraphSet3D& graphs) {
  bool right_version = true;
  if (!HeaderFields(stream, right_version)) {
    return right_version ? LoadStatus::kDamaged : LoadStatus::kRejected;
  }
  int count = 0;
  if (!stream.Int(count) || count < 0) return LoadStatus::kDamaged;
  graphs.Clear();
  if (!stream.ReservedInts(kCountReservedInts)) return LoadStatus::kDamaged;
  const int readable = std::min<int>(count, static_cast<int>(kMaxGraphs));
  for (int i = 0; i < readable; ++i) {
    int kind = -1;
    if (!stream.Int(kind)) return LoadStatus::kDamaged;
    // A kind outside 0–3 stops the load.
    if (kind < 0 || kind > 3) return LoadStatus::kDamaged;
    std::unique_ptr<Graph3D> graph = MakeGraph3D(static_cast<Graph3DKind>(kind), graphs.size());
    GraphRecord(stream, *graph);
    graphs.Append(std::move(graph));
    if (!stream.ok()) return LoadStatus::kDamaged;
  }
  return count > readable ? LoadStatus::kDamaged : LoadStatus::kLoaded;
}

}  // namespace

LoadStatus ExchangeGraphSet3D(GraphStream& stream, GraphSet3D& graphs) {
  if (stream.reading()) return ReadGraphs(stream, graphs);
  bool right_version = true;
  HeaderFields(stream, right_version);
  int count = static_cast<int>(graphs.size());
  stream.Int(count);
  stream.ReservedInts(kCountReservedInts);
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    int kind = static_cast<int>(graphs[i].kind());
    stream.Int(kind);
    GraphRecord(stream, graphs[i]);
  }
  return LoadStatus::kLoaded;
}

}  // namespace zentrix::graphing::files
