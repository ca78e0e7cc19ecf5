// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/VisionChecks.h"

#include "core/Contrast.h"

#include <QStringList>

namespace {

// "a", "a and b", "a, b and c"; all of them as "every vision type".
QString visionList(const QList<Vision>& visions, qsizetype allCount)
{
    if (visions.size() == allCount)
        return QStringLiteral("every vision type");
    QStringList names;
    for (Vision vision : visions)
        names += visionName(vision);
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

bool VisionCheck::linkStaysApart() const
{
    return linkAgainstText >= contrast::linkFromText;
}

bool VisionCheck::visitedStaysApart() const
{
    return visitedAgainstText >= contrast::linkFromText;
}

VisionCheck checkVision(Vision vision, const SchemeColors& scheme)
{
    const SchemeColors seen = simulateScheme(vision, scheme);
    VisionCheck check;
    check.vision = vision;
    const auto ratio = [&seen](SchemeSlot a, SchemeSlot b) {
        return contrast::ratio(seen[slotIndex(a)], seen[slotIndex(b)]);
    };
    check.textOnBackground = ratio(SchemeSlot::TEXT, SchemeSlot::BGCOLOR);
    check.linkOnBackground = ratio(SchemeSlot::LINK, SchemeSlot::BGCOLOR);
    check.visitedOnBackground = ratio(SchemeSlot::VLINK, SchemeSlot::BGCOLOR);
    check.linkAgainstText = ratio(SchemeSlot::LINK, SchemeSlot::TEXT);
    check.visitedAgainstText = ratio(SchemeSlot::VLINK, SchemeSlot::TEXT);
    return check;
}

VisionChecks checkVisions(const SchemeColors& scheme)
{
    VisionChecks checks;
    for (std::size_t i = 0; i < visionTypes.size(); ++i)
        checks[i] = checkVision(visionTypes[i], scheme);
    return checks;
}

QString visionName(Vision vision)
{
    switch (vision) {
    case Vision::Typical: return QStringLiteral("typical vision");
    case Vision::Protanopia: return QStringLiteral("protanopia");
    case Vision::Deuteranopia: return QStringLiteral("deuteranopia");
    case Vision::Tritanopia: return QStringLiteral("tritanopia");
    }
    return {};
}

QString linkBlendSentence(const VisionChecks& checks)
{
    QList<Vision> links;
    QList<Vision> visited;
    for (const VisionCheck& check : checks) {
        if (!check.linkStaysApart())
            links += check.vision;
        if (!check.visitedStaysApart())
            visited += check.vision;
    }
    const qsizetype all = checks.size();
    if (links.isEmpty() && visited.isEmpty())
        return QStringLiteral("Links and visited links stay apart from the text for every vision type");
    if (links == visited)
        return QStringLiteral("Links and visited links blend into the text for ") + visionList(links, all);
    if (visited.isEmpty())
        return QStringLiteral("Links blend into the text for ") + visionList(links, all);
    if (links.isEmpty())
        return QStringLiteral("Visited links blend into the text for ") + visionList(visited, all);
    // Two lists with "and" in them read apart only with a semicolon between.
    return QStringLiteral("Links blend into the text for %1; visited links for %2")
        .arg(visionList(links, all), visionList(visited, all));
}
