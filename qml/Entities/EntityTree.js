.pragma library

.import QtQuickX 1.0 as X

// Tree order of entities that name their parent by id, over an index from id to entity.
// A parent that is not in the index makes the entity a top-level one; a chain that runs in a
// circle stops where it would repeat, so a broken answer cannot hang the screen.

// The entities from the top of the entity's tree down to the entity itself.
function ancestry(index, entity, parentKey) {
    var chain = []
    var seen = {}
    for (var current = entity; current && !seen[current.idd]; ) {
        seen[current.idd] = true
        chain.push(current)
        var parentId = current[parentKey]
        current = parentId && index ? index[parentId] : null
    }
    return chain.reverse()
}

function parentOf(index, entity, parentKey) {
    var chain = ancestry(index, entity, parentKey)
    return chain.length > 1 ? chain[chain.length - 2] : null
}

function depth(index, entity, parentKey) {
    return Math.max(ancestry(index, entity, parentKey).length - 1, 0)
}

// "/Root::1/Child::7": each level's name and id, from the top down.
function sortablePath(index, entity, parentKey) {
    return ancestry(index, entity, parentKey).map(function (node) {
        return "/" + node.name + "::" + node.idd
    }).join("")
}

// The entities of the index by the id of their parent; an entity whose parent is not listed
// (or is itself) is under 0, a top-level one.
function childrenByParent(entities, index, parentKey) {
    var children = {}
    for (var i = 0; i < entities.length; ++i) {
        var entity = entities[i]
        if (!entity)
            continue
        var parentId = entity[parentKey]
        var key = parentId && index[parentId] && parentId !== entity.idd ? parentId : 0
        if (!children[key])
            children[key] = []
        children[key].push(entity)
    }
    return children
}

function __values(index) {
    return Object.keys(index).map(function (id) { return index[id] })
}

// One row per entity, rowOf(entity, depth, id): each entity right after its parent, siblings by
// name then id; entities whose parents run in a circle still get one row each, at the top
// level. Without entities, those of the index. The order is made in one pass outside the script
// engine: a tree of ten thousand entities walked here held the window for a quarter second.
function orderedRows(entities, index, parentKey, rowOf) {
    entities = entities || __values(index || {})
    var order = X.TreeOrder.of(entities, "idd", parentKey, "name")
    var rows = []
    // The id comes with the order: reading it here would also tie the caller's binding to
    // every entity.
    for (var i = 0; i < order.length; i += 3)
        rows.push(rowOf(entities[order[i]], order[i + 1], order[i + 2]))
    return rows
}

// The ids of the entity and of everything below it.
function subtreeIds(index, entity, parentKey) {
    var ids = {}
    if (!entity)
        return ids
    var children = childrenByParent(__values(index), index, parentKey)
    var pending = [entity]
    while (pending.length) {
        var current = pending.pop()
        if (ids[current.idd])
            continue
        ids[current.idd] = true
        var own = children[current.idd] || []
        for (var i = 0; i < own.length; ++i)
            pending.push(own[i])
    }
    return ids
}
