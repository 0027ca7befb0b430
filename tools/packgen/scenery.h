// Small landscape pieces the calendar pictures are composed of: sky, hills, trees, weather and
// flowers, each drawn at a given place and size so that one scene can repeat them freely.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRandomGenerator>
#include <QRectF>
#include <vector>

namespace ostrel::packgen {

// Top to bottom over the rectangle.
void Sky(QPainter& p, const QRectF& area, QColor top, QColor bottom);
// Rolling ground from the wave at y = base (amplitude, waves across the width, phase) down to
// the bottom of the area.
void Hill(QPainter& p, const QRectF& area, double base, double amplitude, double waves,
          double phase, QColor colour);
void Sun(QPainter& p, QPointF centre, double radius, QColor colour, int rays);
void Moon(QPainter& p, QPointF centre, double radius);
void Cloud(QPainter& p, QPointF centre, double size, QColor colour);
// base: the foot of the trunk.
void Fir(QPainter& p, QPointF base, double height, QColor colour, bool snow);
// A round crown; fruit, when not transparent, is scattered over it.
void LeafTree(QPainter& p, QPointF base, double height, QColor crown, QColor fruit,
              QRandomGenerator& rng);
// Branches forking to the given depth, for winter and late autumn.
void BareTree(QPainter& p, QPointF base, double height, QColor colour, int depth);
void Birch(QPainter& p, QPointF base, double height);

void Snowfall(QPainter& p, const QRectF& area, int flakes, QRandomGenerator& rng);
void Rain(QPainter& p, const QRectF& area, int drops, QColor colour, QRandomGenerator& rng);
// Five-petal flowers in the colours, on the ground in the area.
void Flowers(QPainter& p, const QRectF& area, int count, const std::vector<QColor>& colours,
             double size, QRandomGenerator& rng);
// Leaves in the air or on the ground.
void Leaves(QPainter& p, const QRectF& area, int count, const std::vector<QColor>& colours,
            double size, QRandomGenerator& rng);
void Stars(QPainter& p, const QRectF& area, int count, QRandomGenerator& rng);
// A round firework burst of sparks.
void Burst(QPainter& p, QPointF centre, double radius, QColor colour, int sparks);

}  // namespace ostrel::packgen
