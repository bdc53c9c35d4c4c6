// The eight enemies, in the order of their numbers (enemy n is painted on
// body/ene<n>.bmp). Each creature's proportions and painters live in a
// file of its own; main walks this list.
#pragma once
#include "figure.h"

constexpr int kEnemyCount = 8;

extern const Creature kCreatureZombie, kCreatureRobot, kCreatureSkeleton, kCreatureKnight,
    kCreatureOgre, kCreatureClown, kCreatureMummy, kCreatureScarecrow;

const Creature& enemyCreature(int n);
