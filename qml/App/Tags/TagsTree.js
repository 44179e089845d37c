.pragma library

// The tag tree as rows and the selection that follows it. Tags are plain objects with idd,
// parentId and name; a tag whose parent is not loaded counts as a root.

function childrenByParent(tags, index) {
    var children = {}
    for (var i = 0; i < tags.length; ++i) {
        var tag = tags[i]
        var parentKey = tag.parentId && index[tag.parentId] ? tag.parentId : 0
        if (!children[parentKey])
            children[parentKey] = []
        children[parentKey].push(tag)
    }
    return children
}

function byName(a, b) {
    var order = String(a.name).localeCompare(String(b.name))
    return order !== 0 ? order : a.idd - b.idd
}

// One row per tag ({idd, tag, path, intent}): each tag right after its parent, siblings by name.
// A loop of parents is broken where it is found, so every tag still gets one row.
function orderedRows(tags, index) {
    if (!tags || !tags.length)
        return []
    index = index || {}
    var children = childrenByParent(tags, index)
    var rows = []
    var visited = {}

    function visit(tag, parentPath, depth) {
        if (visited[tag.idd])
            return
        visited[tag.idd] = true
        var path = parentPath + "/" + tag.name + "::" + tag.idd
        rows.push({ "idd": tag.idd, "tag": tag, "path": path, "intent": depth })
        var own = (children[tag.idd] || []).slice().sort(byName)
        for (var i = 0; i < own.length; ++i)
            visit(own[i], path, depth + 1)
    }

    var roots = (children[0] || []).slice().sort(byName)
    for (var r = 0; r < roots.length; ++r)
        visit(roots[r], "", 0)
    var rest = tags.filter(function (tag) { return !visited[tag.idd] }).sort(byName)
    for (var k = 0; k < rest.length; ++k)
        visit(rest[k], "", 0)
    return rows
}

// The selection after (un)selecting tagId, or null when nothing changes. With followTree,
// selecting spreads up to the root and clearing spreads down to the leaves.
function changedSelection(selection, tagId, select, followTree, tags, index) {
    var result = (selection || []).slice()
    var changed = false
    var ids = [tagId]
    if (followTree)
        ids = select ? ancestorsAndSelf(tagId, index || {}) : descendantsAndSelf(tagId, tags || [])
    for (var i = 0; i < ids.length; ++i) {
        var at = result.indexOf(ids[i])
        if (select && at < 0) {
            result.push(ids[i])
            changed = true
        } else if (!select && at >= 0) {
            result.splice(at, 1)
            changed = true
        }
    }
    return changed ? result : null
}

function ancestorsAndSelf(tagId, index) {
    var ids = [tagId]
    var tag = index[tagId]
    while (tag && tag.parentId && index[tag.parentId] && ids.indexOf(tag.parentId) < 0) {
        ids.push(tag.parentId)
        tag = index[tag.parentId]
    }
    return ids
}

function descendantsAndSelf(tagId, tags) {
    var ids = [tagId]
    for (var at = 0; at < ids.length; ++at) {
        for (var i = 0; i < tags.length; ++i) {
            if (tags[i].parentId === ids[at] && ids.indexOf(tags[i].idd) < 0)
                ids.push(tags[i].idd)
        }
    }
    return ids
}
