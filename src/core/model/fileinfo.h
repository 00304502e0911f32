// One photo of the open folder.
#pragma once

#include "core/model/kwstringlist.h"

#include <QString>

namespace orvane {

// How a photo must be turned for display, from its EXIF orientation.
enum TRotateAngle { rotNone, rotAngle90, rotAngle180, rotAngle270 };

// Which photos a keyword union covers.
enum TKeywordSelection { ksAll, ksSelectedOnly };

class TFileInfo
{
public:
    explicit TFileInfo(const QString &aJpgFullName) : JpgFullName(aJpgFullName) {}

    // Position in the filtered list counting from 1; kept when the photo drops out of the filter.
    int Number = 0;
    TRotateAngle RotateAngle = rotNone;
    TKwStringList KeywordList;
    // The identity of the record; never changes.
    const QString JpgFullName;
    // Written by the thumbnail builder of the record's share while a folder loads.
    QString BmpThumbFullName;
    bool Selected = false;
    bool InFilter = true;
    // The IPTC record carries no CodedCharacterSet; the next write records it.
    bool IsEncodeFlagMissing = false;
};

} // namespace orvane
