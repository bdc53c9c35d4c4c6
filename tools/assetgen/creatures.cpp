#include "creatures.h"

const Creature& enemyCreature(int n) {
    static const Creature* const list[kEnemyCount] = {
        &kCreatureZombie, &kCreatureRobot, &kCreatureSkeleton, &kCreatureKnight,
        &kCreatureOgre,   &kCreatureClown, &kCreatureMummy,    &kCreatureScarecrow};
    return *list[n];
}
