#pragma once
// A started host with the test types registered and a fresh default scene.

#include "SceneTestTypes.h"
#include "events/EventBus.h"
#include "scene/Scene.h"
#include "support/HostTestEnvironment.h"

#include <maya/MFnDependencyNode.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace scenetest {

class SceneFixture : public nbtest::HostTest
{
protected:
    void SetUp() override
    {
        nbtest::HostTest::SetUp();
        m_types = std::make_unique<TestTypes>();
        nbhost::Scene::instance().reset();
        TestLocator::destroyed = 0;
    }

    void TearDown() override
    {
        nbtest::HostTest::TearDown();
        nbhost::Scene::instance().reset();
        m_types.reset();
    }

    nbhost::Scene& scene() { return nbhost::Scene::instance(); }

    // A node by name, as a handle; null when absent.
    MObject node(const std::string& name)
    {
        auto found = scene().find(name);
        return found ? found->object() : MObject();
    }

    MObject create(const std::string& type, const std::string& name = "",
                   const std::string& parent = "")
    {
        auto parentNode = parent.empty() ? nullptr : scene().find(parent);
        auto made = scene().createNode(type, name, parentNode.get());
        return made ? made->object() : MObject();
    }

    std::string nameOf(const MObject& object) { return MFnDependencyNode(object).name().asChar(); }

    // Counts "SelectionChanged" from now on.
    int* countSelectionEvents()
    {
        auto count = std::make_shared<int>(0);
        m_counters.push_back(count);
        host().events().addEventListener("SelectionChanged", [count] { ++*count; });
        return count.get();
    }

private:
    std::unique_ptr<TestTypes> m_types;
    std::vector<std::shared_ptr<int>> m_counters;
};

} // namespace scenetest
