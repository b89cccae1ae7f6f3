"""Reads a saved plan file, to check what a journey left in it."""

import xml.etree.ElementTree as ET


class Plan:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.root = ET.fromstring(f.read())

    def entities(self, type_=None):
        """(tag, attributes) of every entity, of one type when given."""
        return [(e.get("TAG"), e.attrib) for e in self.root.iter("ENTITY")
                if type_ is None or e.get("TYPE") == str(type_)]

    def entity_tags(self, type_=None):
        return [tag for tag, _ in self.entities(type_)]

    def entries(self):
        """Every timetable entry as (activity, day, start, duration)."""
        return [(e.get("ACTIVITY"), e.get("DAY"), e.get("START"), e.get("DURATION"))
                for e in self.root.iter("ENTRY")]

    def named_entries(self):
        """Every entry with its activity named by (tag, level): saving numbers the activities
        afresh, so ids of two files do not compare."""
        names = {a.get("ID"): (a.get("TAG"), a.get("LEVEL")) for a in self.root.iter("ACTIVITY")}
        return [(names.get(activity), day, start, duration) for activity, day, start, duration in self.entries()]

    def members(self, activity, level):
        """The entity tags enrolled in the activity of that name and level."""
        return [e.get("ID") for a in self.root.iter("ACTIVITY")
                if a.get("TAG") == activity and a.get("LEVEL") == level for e in a.iter("ENROLEMENT")]

    def count(self, tag):
        return sum(1 for _ in self.root.iter(tag))
