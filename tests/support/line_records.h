// Hand-made record lines of the types the line layers and road tables read
// (1, 2, I, U, 4, 5, 6, Z, M), with their columns placed as the record
// layouts say; coordinates in millionths of a degree. Further columns can be
// put on the returned line.
#pragma once

#include "support/record_line.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace testsupport {

using PointMillionths = std::pair<long long, long long>;  // longitude, latitude

RecordLine Type1Line(const std::string& tlid, const std::string& cfcc, PointMillionths from, PointMillionths to);
RecordLine Type2Line(const std::string& tlid, int rtsq, std::initializer_list<PointMillionths> points);
// `county`: the state and county code of the county's files.
RecordLine TypeILine(const std::string& tlid, const std::string& tzids, const std::string& tzide,
                     const std::string& county = "01001");
RecordLine TypeULine(const std::string& tzid, int rtsq, const std::string& over1, const std::string& over2,
                     const std::string& under1, const std::string& under2);
RecordLine Type4Line(const std::string& tlid, int rtsq, std::initializer_list<std::string> feats);
RecordLine Type5Line(const std::string& feat, const std::string& fedirp, const std::string& fename,
                     const std::string& fetype, const std::string& fedirs);
RecordLine Type6Line(const std::string& tlid, int rtsq, const std::string& fraddl, const std::string& toaddl,
                     const std::string& fraddr, const std::string& toaddr, const std::string& zipl,
                     const std::string& zipr);
RecordLine TypeZLine(const std::string& tlid, int rtsq, const std::string& zip4l, const std::string& zip4r);
RecordLine TypeMLine(const std::string& tlid, int rtsq, const std::string& sourceid, const std::string& id,
                     char idflag);

}  // namespace testsupport
