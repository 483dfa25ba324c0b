#include "support/line_records.h"

#include <cstdio>

namespace testsupport {

namespace {

std::string Longitude(long long millionths) {
    char text[16];
    std::snprintf(text, sizeof text, "%+010lld", millionths);
    return text;
}

std::string Latitude(long long millionths) {
    char text[16];
    std::snprintf(text, sizeof text, "%+09lld", millionths);
    return text;
}

RecordLine Header(char type, int length) {
    RecordLine line(length);
    line.Put(1, std::string(1, type)).Put(2, "1105");
    return line;
}

}  // namespace

RecordLine Type1Line(const std::string& tlid, const std::string& cfcc, PointMillionths from, PointMillionths to) {
    RecordLine line = Header('1', 228);
    line.PutRight(15, tlid).Put(56, cfcc);
    line.Put(191, Longitude(from.first)).Put(201, Latitude(from.second));
    line.Put(210, Longitude(to.first)).Put(220, Latitude(to.second));
    return line;
}

RecordLine Type2Line(const std::string& tlid, int rtsq, std::initializer_list<PointMillionths> points) {
    RecordLine line = Header('2', 208);
    line.PutRight(15, tlid).PutRight(18, std::to_string(rtsq));
    int k = 0;
    for (const PointMillionths& p : points) {
        line.Put(19 + 19 * k, Longitude(p.first)).Put(29 + 19 * k, Latitude(p.second));
        ++k;
    }
    for (; k < 10; ++k) line.Put(19 + 19 * k, "+000000000+00000000");
    return line;
}

RecordLine TypeILine(const std::string& tlid, const std::string& tzids, const std::string& tzide,
                     const std::string& county) {
    RecordLine line = Header('I', 129);
    line.Put(6, county).PutRight(20, tlid).PutRight(30, tzids).PutRight(40, tzide);
    return line;
}

RecordLine TypeULine(const std::string& tzid, int rtsq, const std::string& over1, const std::string& over2,
                     const std::string& under1, const std::string& under2) {
    RecordLine line = Header('U', 80);
    line.Put(6, "01001").PutRight(20, tzid).Put(21, std::to_string(rtsq));
    line.PutRight(31, over1).PutRight(41, over2).PutRight(51, under1).PutRight(61, under2);
    return line;
}

RecordLine Type4Line(const std::string& tlid, int rtsq, std::initializer_list<std::string> feats) {
    RecordLine line = Header('4', 58);
    line.PutRight(15, tlid).PutRight(18, std::to_string(rtsq));
    int k = 0;
    for (const std::string& feat : feats) line.PutRight(26 + 8 * k++, feat);
    return line;
}

RecordLine Type5Line(const std::string& feat, const std::string& fedirp, const std::string& fename,
                     const std::string& fetype, const std::string& fedirs) {
    RecordLine line = Header('5', 56);
    line.Put(6, "01001").PutRight(18, feat).Put(19, fedirp).Put(21, fename).Put(51, fetype).Put(55, fedirs);
    return line;
}

RecordLine Type6Line(const std::string& tlid, int rtsq, const std::string& fraddl, const std::string& toaddl,
                     const std::string& fraddr, const std::string& toaddr, const std::string& zipl,
                     const std::string& zipr) {
    RecordLine line = Header('6', 76);
    line.PutRight(15, tlid).PutRight(18, std::to_string(rtsq));
    line.PutRight(29, fraddl).PutRight(40, toaddl).PutRight(51, fraddr).PutRight(62, toaddr);
    line.Put(67, zipl).Put(72, zipr);
    return line;
}

RecordLine TypeZLine(const std::string& tlid, int rtsq, const std::string& zip4l, const std::string& zip4r) {
    RecordLine line = Header('Z', 26);
    line.PutRight(15, tlid).PutRight(18, std::to_string(rtsq)).Put(19, zip4l).Put(23, zip4r);
    return line;
}

RecordLine TypeMLine(const std::string& tlid, int rtsq, const std::string& sourceid, const std::string& id,
                     char idflag) {
    RecordLine line = Header('M', 47);
    line.PutRight(15, tlid).PutRight(18, std::to_string(rtsq)).Put(19, sourceid).Put(29, id);
    line.Put(47, std::string(1, idflag));
    return line;
}

}  // namespace testsupport
